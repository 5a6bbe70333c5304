// The built-in sheets: sizes, bit depths and the cells the screens cut out of them.

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <set>

#include "media/embedded_fonts.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"

using namespace quintaro;
using sheets::CellRect;
using sheets::Sheet;

namespace {

QImage Sheet32(Sheet s) {
    return SheetLoader::BuiltIn(s).convertToFormat(QImage::Format_RGB32);
}

QImage Cut(const QImage& img, const CellRect& r) {
    return img.copy(r.left, r.top, r.width(), r.height());
}

// Pixels that differ clearly from the cell's background colour.
int Ink(const QImage& cell, QRgb background, int tolerance = 60) {
    int n = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb c = cell.pixel(x, y);
            const int d = std::abs(qRed(c) - qRed(background)) +
                          std::abs(qGreen(c) - qGreen(background)) +
                          std::abs(qBlue(c) - qBlue(background));
            if (d > tolerance) ++n;
        }
    return n;
}

// Average colour of the inked pixels.
// The pixels of a cell, to tell cells apart.
QByteArray Bytes(const QImage& cell) {
    return QByteArray(reinterpret_cast<const char*>(cell.constBits()), int(cell.sizeInBytes()));
}

QColor InkColour(const QImage& cell, QRgb background) {
    double r = 0, g = 0, b = 0;
    int n = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x) {
            const QRgb c = cell.pixel(x, y);
            if (std::abs(qGray(c) - qGray(background)) + std::abs(qRed(c) - qRed(background)) <= 60)
                continue;
            r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
        }
    return n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor();
}

} // namespace

class SheetsTest : public QObject {
    Q_OBJECT
private slots:
    void everySheetHasItsSizeAndDepth();
    void resourceNamesMatchWithoutCase();
    void maskIsTheRoundedCardOutline();
    void cardFacesFollowTheMask();
    void rankGlyphsHaveInkInTheirSuitColours();
    void suitAndPictureCellsHaveInk();
    void courtPicturesAndBacksDifferFromEachOther();
    void digitsAreRedOnPureBlackAndDistinct();
    void meterWordsAreLitOnPureBlack();
    void buttonTilesShowAPressedLook();
    void gameButtonsEachHaveTheirOwnColour();
    void creditValuePicturesDiffer();
    void pickerLeavesTheButtonHoleBlack();
    void composeThroughMaskKeepsTheCorners();
    void toolOutputIsDeterministic();
    void embeddedFontsRegister();
};

void SheetsTest::everySheetHasItsSizeAndDepth() {
    for (const sheets::SheetInfo& info : sheets::kSheets) {
        const QString name = QString::fromLatin1(info.resource.data(), int(info.resource.size()));
        QFile file(SheetLoader::ResourcePath(info.id));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.startsWith("BM"), qPrintable(name));
        // Bits per pixel straight from the bitmap header.
        const int bpp = quint8(bytes[28]) | (quint8(bytes[29]) << 8);
        QCOMPARE(bpp, info.bitsPerPixel);
        const QImage img = SheetLoader::BuiltIn(info.id);
        QVERIFY2(!img.isNull(), qPrintable(name));
        QCOMPARE(img.width(), info.width);
        QCOMPARE(img.height(), info.height);
        QVERIFY(img.colorCount() <= (info.bitsPerPixel == 1 ? 2 : 256));
        QCOMPARE(img.format(),
                 info.bitsPerPixel == 1 ? QImage::Format_Mono : QImage::Format_Indexed8);
    }
}

void SheetsTest::resourceNamesMatchWithoutCase() {
    QVERIFY(!SheetLoader::BuiltIn(QStringLiteral("VantaBtns")).isNull());
    QVERIFY(!SheetLoader::BuiltIn(QStringLiteral("credits1")).isNull());
    QVERIFY(!SheetLoader::BuiltIn(QStringLiteral("PokerGraphics")).isNull());
    QVERIFY(!SheetLoader::BuiltIn(QStringLiteral("Mask")).isNull());
    QVERIFY(SheetLoader::BuiltIn(QStringLiteral("NoSuchSheet")).isNull());
    QCOMPARE(*sheets::FindByResource("InfoArea"), Sheet::InfoArea);
    QCOMPARE(*sheets::FindBySchemeFile("CARDS.BMP"), Sheet::PokerGraphics);
    QVERIFY(!sheets::FindBySchemeFile("Mask.bmp"));
}

void SheetsTest::maskIsTheRoundedCardOutline() {
    const QImage mask = Sheet32(Sheet::Mask);
    const CellRect c = sheets::kMaskCell;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x) {
            const bool inside =
                c.contains(x, y) && sheets::InsideCardOutline(x - c.left, y - c.top);
            const QRgb expected = inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
            if (mask.pixel(x, y) != (expected | 0xff000000u))
                QFAIL(qPrintable(QStringLiteral("mask pixel %1,%2").arg(x).arg(y)));
        }
    // The corners are round: the very corner pixels are outside, the middle of each edge in.
    QVERIFY(!sheets::InsideCardOutline(0, 0));
    QVERIFY(!sheets::InsideCardOutline(119, 179));
    QVERIFY(sheets::InsideCardOutline(60, 0));
    QVERIFY(sheets::InsideCardOutline(0, 90));
    QVERIFY(sheets::InsideCardOutline(119, 90));
}

void SheetsTest::cardFacesFollowTheMask() {
    const QImage cards = Sheet32(Sheet::PokerGraphics);
    for (const CellRect& r : {sheets::kBlankFace, sheets::kCardBack, sheets::kSecondBack}) {
        const QImage cell = Cut(cards, r);
        for (int y = 0; y < cell.height(); ++y)
            for (int x = 0; x < cell.width(); ++x)
                if (!sheets::InsideCardOutline(x, y)) QCOMPARE(cell.pixel(x, y), qRgb(0, 0, 0));
        // A thin dark rim on the outline.
        QVERIFY(qGray(cell.pixel(60, 0)) < 100);
        QVERIFY(qGray(cell.pixel(0, 90)) < 100);
    }
    const QImage face = Cut(cards, sheets::kBlankFace);
    // White inside the rim, exactly the white behind the glyph and suit cells.
    for (const QPoint p : {QPoint(60, 90), QPoint(4, 4), QPoint(115, 175), QPoint(10, 170)})
        QCOMPARE(face.pixel(p), qRgb(255, 255, 255));
}

void SheetsTest::rankGlyphsHaveInkInTheirSuitColours() {
    const QImage ranks = Sheet32(Sheet::CrdValue);
    std::set<QByteArray> seen;
    for (int red = 0; red < 2; ++red)
        for (int r = 0; r < 13; ++r) {
            const QImage cell = Cut(ranks, sheets::RankGlyph(r, red == 1));
            QVERIFY2(Ink(cell, qRgb(255, 255, 255)) > 80, qPrintable(QString::number(r)));
            const QColor ink = InkColour(cell, qRgb(255, 255, 255));
            if (red) {
                QVERIFY(ink.red() > 150 && ink.green() < 90);
            } else {
                QVERIFY(ink.red() < 90 && ink.green() < 90 && ink.blue() < 90);
            }
            // The cell's border rows and columns stay white: glyphs are not cut off.
            for (int x = 0; x < cell.width(); ++x) {
                QVERIFY(qGray(cell.pixel(x, 0)) > 200);
                QVERIFY(qGray(cell.pixel(x, cell.height() - 1)) > 200);
            }
            QVERIFY(seen.insert(Bytes(cell)).second);
        }
    // The Ten of hearts takes the red cell (424, 38, 469, 73).
    QCOMPARE(sheets::RankGlyphForSuit(9, 0), (CellRect{424, 38, 469, 73}));
    QCOMPARE(sheets::RankGlyphForSuit(9, 3), (CellRect{424, 1, 469, 36}));
}

void SheetsTest::suitAndPictureCellsHaveInk() {
    const QImage cards = Sheet32(Sheet::PokerGraphics);
    for (int s = 0; s < 4; ++s) {
        for (const CellRect& r : {sheets::LargeSuit(s), sheets::SmallSuit(s)}) {
            const QImage cell = Cut(cards, r);
            QVERIFY(Ink(cell, qRgb(255, 255, 255)) > r.width() * r.height() / 5);
            const QColor ink = InkColour(cell, qRgb(255, 255, 255));
            QCOMPARE(ink.red() > 150, sheets::IsRedSuit(s));
            // White around the symbol, so it sits on the face without a box.
            QCOMPARE(cell.pixel(0, 0), qRgb(255, 255, 255));
            QCOMPARE(cell.pixel(cell.width() - 1, cell.height() - 1), qRgb(255, 255, 255));
        }
    }
    for (int slot = 0; slot < 6; ++slot) {
        const CellRect r = sheets::PictureSlot(slot);
        QCOMPARE(r.width(), 61);
        QCOMPARE(r.height(), 74);
        QVERIFY(Ink(Cut(cards, r), qRgb(255, 255, 255)) > 1000);
    }
    QCOMPARE(*sheets::CourtPicture(0), (CellRect{202, 108, 263, 182}));
    QCOMPARE(*sheets::CourtPicture(10), (CellRect{4, 108, 65, 182}));
    QCOMPARE(*sheets::CourtPicture(11), (CellRect{70, 108, 131, 182}));
    QCOMPARE(*sheets::CourtPicture(12), (CellRect{136, 108, 197, 182}));
    QVERIFY(!sheets::CourtPicture(1));
    QCOMPARE(sheets::WildPicture(true).left, 268);
    QCOMPARE(sheets::WildPicture(false).left, 334);
    // The red WILD picture is mostly red, the black one mostly dark.
    const QColor redWild = InkColour(Cut(cards, sheets::WildPicture(true)), qRgb(255, 255, 255));
    const QColor blackWild = InkColour(Cut(cards, sheets::WildPicture(false)), qRgb(255, 255, 255));
    QVERIFY(redWild.red() > redWild.blue() + 60);
    QVERIFY(qGray(blackWild.rgb()) < qGray(redWild.rgb()));
}

void SheetsTest::courtPicturesAndBacksDifferFromEachOther() {
    const QImage cards = Sheet32(Sheet::PokerGraphics);
    std::set<QByteArray> seen;
    for (int slot = 0; slot < 6; ++slot) {
        QVERIFY(seen.insert(Bytes(Cut(cards, sheets::PictureSlot(slot)))).second);
    }
    const QColor back = InkColour(Cut(cards, sheets::kCardBack), qRgb(255, 255, 255));
    const QColor second = InkColour(Cut(cards, sheets::kSecondBack), qRgb(255, 255, 255));
    QVERIFY(back.blue() > back.red());     // the blue back
    QVERIFY(second.red() > second.blue()); // the other one in another colour
}

void SheetsTest::digitsAreRedOnPureBlackAndDistinct() {
    const QImage digits = Sheet32(Sheet::DigitalNumbers);
    std::set<QByteArray> seen;
    for (int g = 0; g <= sheets::kCommaGlyph; ++g) {
        const QImage cell = Cut(digits, sheets::DigitGlyph(g));
        QCOMPARE(cell.height(), 41);
        QCOMPARE(cell.width(), g == sheets::kCommaGlyph ? 11 : 25);
        QVERIFY(Ink(cell, qRgb(0, 0, 0)) > (g == sheets::kCommaGlyph ? 8 : 60));
        const QColor ink = InkColour(cell, qRgb(0, 0, 0));
        QVERIFY(ink.red() > 2 * ink.green() && ink.red() > 2 * ink.blue());
        // Pure black around the glyph: the session recolours exactly that to the meter's colour.
        QCOMPARE(cell.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(cell.pixel(cell.width() - 1, 40), qRgb(0, 0, 0));
        QVERIFY(seen.insert(Bytes(cell)).second);
    }
    // No glow reaches into a neighbour's cell, where it would stand beside that glyph: the
    // "1" is lit on its right only, so its left columns show any glow of the "0" before it.
    const QImage one = Cut(digits, sheets::DigitGlyph(1));
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < 4; ++x) QCOMPARE(one.pixel(x, y), qRgb(0, 0, 0));
    QCOMPARE(sheets::DigitGlyph(7), (CellRect{175, 0, 200, 41}));
    QCOMPARE(sheets::DigitGlyph(10), (CellRect{250, 0, 261, 41}));
}

void SheetsTest::meterWordsAreLitOnPureBlack() {
    for (Sheet s : {Sheet::Win1, Sheet::Credits1}) {
        const QImage img = Sheet32(s);
        QVERIFY(Ink(img, qRgb(0, 0, 0)) > 300);
        QCOMPARE(img.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(img.pixel(img.width() - 1, img.height() - 1), qRgb(0, 0, 0));
        const QColor ink = InkColour(img, qRgb(0, 0, 0));
        QVERIFY(ink.red() > 2 * ink.green());
    }
}

void SheetsTest::buttonTilesShowAPressedLook() {
    const QImage tiles = Sheet32(Sheet::VantaBtns);
    for (int t = 0; t < sheets::kButtonTileRows; ++t) {
        const QImage up = Cut(tiles, sheets::ButtonTile(t, false));
        const QImage down = Cut(tiles, sheets::ButtonTile(t, true));
        QCOMPARE(up.size(), QSize(107, 27));
        QVERIFY(up != down);
        // Pressed is darker overall.
        double a = 0, b = 0;
        for (int y = 0; y < 27; ++y)
            for (int x = 0; x < 107; ++x) a += qGray(up.pixel(x, y)), b += qGray(down.pixel(x, y));
        if (t != sheets::kTileDrawDim) QVERIFY2(b < a, qPrintable(QString::number(t)));
    }
    QCOMPARE(sheets::ButtonTile(18, true), (CellRect{108, 504, 215, 531}));
}

void SheetsTest::gameButtonsEachHaveTheirOwnColour() {
    const QImage plates = Sheet32(Sheet::GameTyps);
    std::vector<QColor> colours;
    for (int g = 0; g < 9; ++g) {
        const CellRect r = sheets::GameButton(g);
        QCOMPARE(r.width(), 141);
        QCOMPARE(r.height(), 68);
        // The field colour, sampled left of the centre, away from the lettering.
        const QColor c = plates.pixelColor(r.left + 12, r.top + 36);
        for (const QColor& other : colours) {
            const int d = std::abs(c.red() - other.red()) + std::abs(c.green() - other.green()) +
                          std::abs(c.blue() - other.blue());
            QVERIFY2(d > 40, qPrintable(QString::number(g)));
        }
        colours.push_back(c);
    }
    QCOMPARE(sheets::GameButton(5), (CellRect{143, 1, 284, 69}));
    QCOMPARE(sheets::GameButton(4), (CellRect{1, 273, 142, 341}));
}

void SheetsTest::creditValuePicturesDiffer() {
    const QImage value = Sheet32(Sheet::Value);
    std::set<QByteArray> seen;
    for (int v = 0; v < 3; ++v) {
        const QImage cell = Cut(value, sheets::CreditValuePicture(v));
        QCOMPARE(cell.size(), QSize(89, 55));
        QVERIFY(Ink(cell, qRgb(0, 0, 0)) > 1000);
        QVERIFY(seen.insert(Bytes(cell)).second);
    }
    QCOMPARE(sheets::CreditValuePicture(2).top, 141);
}

void SheetsTest::pickerLeavesTheButtonHoleBlack() {
    const QImage picker = Sheet32(Sheet::Picker1);
    QCOMPARE(Ink(Cut(picker, sheets::kPickerButtonHole), qRgb(0, 0, 0), 10), 0);
    const QColor ink = InkColour(picker, qRgb(0, 0, 0));
    QVERIFY(ink.green() > ink.red() && ink.green() > ink.blue());
}

void SheetsTest::composeThroughMaskKeepsTheCorners() {
    QImage felt(120, 180, QImage::Format_RGB32);
    felt.fill(qRgb(10, 200, 30));
    const QImage composed =
        ComposeThroughMask(felt, SheetLoader::BuiltIn(Sheet::PokerGraphics), sheets::kBlankFace,
                           SheetLoader::BuiltIn(Sheet::Mask));
    QCOMPARE(composed.pixel(0, 0), qRgb(10, 200, 30));
    QCOMPARE(composed.pixel(119, 179), qRgb(10, 200, 30));
    QCOMPARE(composed.pixel(60, 90), qRgb(255, 255, 255));
}

void SheetsTest::toolOutputIsDeterministic() {
    // The tool run again gives the very bytes that were built into the program.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QProcess tool;
    tool.start(QStringLiteral(QUINTARO_ARTWORK_TOOL), {QStringLiteral("--build"), dir.path()});
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    for (const sheets::SheetInfo& info : sheets::kSheets) {
        QFile built(SheetLoader::ResourcePath(info.id));
        QFile again(
            dir.filePath(QStringLiteral("sheets/") +
                         QString::fromLatin1(info.resource.data(), int(info.resource.size())) +
                         QStringLiteral(".bmp")));
        QVERIFY(built.open(QIODevice::ReadOnly));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QVERIFY2(built.readAll() == again.readAll(), info.resource.data());
    }
}

void SheetsTest::embeddedFontsRegister() {
    QVERIFY(RegisterEmbeddedFonts());
    QVERIFY(RegisterEmbeddedFonts()); // a second call is harmless
    const QStringList families = QFontDatabase::families();
    for (const char* f : {kSansFamily, kSerifFamily, kSymbolFamily, kFixedFamily})
        QVERIFY2(families.contains(QString::fromLatin1(f)), f);
    const QFontInfo info(EmbeddedFont(kSerifFamily, 16, QFont::Bold));
    QCOMPARE(info.family(), QString::fromLatin1(kSerifFamily));
    QCOMPARE(info.pixelSize(), 16);
    QVERIFY(QFontInfo(EmbeddedFont(kFixedFamily, 12)).fixedPitch());
}

QTEST_MAIN(SheetsTest)
#include "sheets_test.moc"
