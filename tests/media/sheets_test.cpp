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

} // namespace

class SheetsTest : public QObject {
    Q_OBJECT
private slots:
    void everySheetHasItsSizeAndDepth();
    void resourceNamesMatchWithoutCase();
    void maskIsTheRoundedCardOutline();
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
