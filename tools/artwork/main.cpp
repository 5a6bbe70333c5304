// quintaro-artwork: draws the program's bitmap sheets and synthesises its sounds.
//
//   quintaro-artwork --build DIR    sheets/NAME.bmp and sounds/NAME.wav under their resource
//                                   names, plus two contact sheets (PNG) to look at
//   quintaro-artwork --scheme DIR   a complete scheme folder: every picture file and a
//                                   commented Scheme.ini with every key at its default
//   quintaro-artwork --sounds DIR   the 22 wave files SND4.wav ... BASE18.wav
//   quintaro-artwork --icons DIR    the program's icon as an icon theme: DIR/hicolor/NxN/apps/
//                                   ID.png at the usual sizes and DIR/hicolor/scalable/apps/ID.svg

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "art.h"
#include "media/embedded_fonts.h"
#include "media/program_icon.h"
#include "media/sound_table.h"
#include "quintaro_version.h"
#include "sounds.h"

namespace quintaro::artwork {
namespace {

QString Name(std::string_view s) {
    return QString::fromLatin1(s.data(), int(s.size()));
}

QByteArray EncodeSheet(sheets::Sheet sheet, QImage* decoded = nullptr) {
    const QImage art = DrawSheet(sheet);
    QByteArray bytes;
    if (sheets::Info(sheet).bitsPerPixel == 1) {
        bytes = EncodeBmp1(art);
    } else {
        bytes = EncodeBmp8(ToPalettised(art, PaletteFor(sheet)));
    }
    if (decoded) decoded->loadFromData(bytes, "BMP");
    return bytes;
}

bool WriteSheets(const QString& dir, bool schemeNames, QList<QImage>* decoded) {
    bool ok = true;
    for (const sheets::SheetInfo& info : sheets::kSheets) {
        if (schemeNames && info.schemeFile.empty()) continue;
        QImage image;
        const QByteArray bytes = EncodeSheet(info.id, &image);
        if (decoded) decoded->append(image);
        const QString file = schemeNames ? Name(info.schemeFile) : Name(info.resource) + ".bmp";
        ok = WriteFile(QDir(dir).filePath(file), bytes) && ok;
    }
    return ok;
}

bool WriteSounds(const QString& dir) {
    bool ok = true;
    for (int i = 0; i < sounds::kSoundCount; ++i) {
        const std::string_view name = sounds::SoundAt(i).resource;
        ok = WriteFile(QDir(dir).filePath(Name(name) + ".wav"), SynthesiseWave(name)) && ok;
    }
    return ok;
}

bool WriteSchemeIni(const QString& dir) {
    QByteArray text;
    QTextStream out(&text);
    out << "; Quintaro colour scheme.\r\n"
           "; Put this folder in a folder named Schemes, either Schemes/ in the folder the\r\n"
           "; program is started from, or ~/.local/share/Quintaro/Schemes (with XDG_DATA_HOME\r\n"
           "; set: $XDG_DATA_HOME/Quintaro/Schemes). The folder's name is the scheme's name\r\n"
           "; unless Name is set. Every picture file of this folder may be replaced (Windows\r\n"
           "; bitmap files of the same width, height and layout) or removed. A picture that\r\n"
           "; is missing, cannot be read, or whose width or height differs from the built-in\r\n"
           "; picture's is taken from the built-in look. Colours are integers in 0x00BBGGRR\r\n"
           "; form (red in the low byte), written in decimal: 255 is red, 65535 yellow.\r\n"
           "; Every key below is set to its default; a key left out keeps its default.\r\n"
           "\r\n"
           "[Menu_Data]\r\n"
           "; Caption in the menu's Scheme submenu; empty: the folder's name.\r\n"
           "Name=\r\n"
           "; Text of the menu's scrolling banner; empty: the built-in text.\r\n"
           "MenuString=\r\n"
           "; Colour of the panel around Help and Exit (128: maroon).\r\n"
           "ExitPnlClr=128\r\n"
           "; Font colour of the Exit button (255: red).\r\n"
           "ExitBtnFntClr=255\r\n"
           "; 1: write the \"Poker\" labels under the game buttons; 0: no labels.\r\n"
           "GameTypeNamesVisible=1\r\n"
           "; Colour of those labels (65535: yellow).\r\n"
           "GameTypeNameFontColor=65535\r\n"
           "; 1: bevels around the credit display; 0: none.\r\n"
           "ShowCreditBorder=1\r\n"
           "; 1: a clickable web-link area on the menu's bottom panel; 0: none.\r\n"
           "URLAreaActive=0\r\n"
           "; Left,top,width,height of that area in pixels of the bottom panel, e.g. "
           "593,76,171,44.\r\n"
           "URLAreaRectangle=\r\n"
           "; The address the area opens; empty disables the area.\r\n"
           "URLAreaAddress=\r\n"
           "; The area's hint; empty: no hint.\r\n"
           "URLAreaHintText=\r\n"
           "\r\n"
           "[Game_Data]\r\n"
           "; The colour keys of this section default to the colours the game screen is\r\n"
           "; designed with; they are written here with those colours.\r\n"
           "; Fill colour of the frame behind the pay table (128: maroon).\r\n"
           "ShpPysPnlClr=128\r\n"
           "; 1: after a winning hand the centre panel names the hand; 0: never shown, and\r\n"
           "; WinPanelImage.bmp, PysPnlFntClr and PysPnlFntShdwClr are not read.\r\n"
           "CntrPnlVis=1\r\n"
           "; Font colour of the winning-hand caption (65535: yellow) and of its shadow (0: "
           "black).\r\n"
           "PysPnlFntClr=65535\r\n"
           "PysPnlFntShdwClr=0\r\n"
           "; Font colour of the HELD markers and the screen's captions (12632256: silver)\r\n"
           "; and of their shadows (0: black).\r\n"
           "HoldFontColor=12632256\r\n"
           "HoldShadowFontColor=0\r\n";
    out.flush();
    return WriteFile(QDir(dir).filePath(QStringLiteral("Scheme.ini")), text);
}

// All sheets side by side on a dark ground with their names, as decoded from the files.
QImage ContactSheet(const QList<QImage>& images) {
    const int margin = 16;
    const int width = 1240;
    int x = margin, y = margin, rowHeight = 0;
    QList<QPoint> places;
    for (const QImage& img : images) {
        const int w = std::max(img.width(), 190); // room for the caption
        if (x + w > width - margin) {
            x = margin;
            y += rowHeight + 30;
            rowHeight = 0;
        }
        places.append(QPoint(x, y + 16));
        x += w + margin;
        rowHeight = std::max(rowHeight, img.height() + 16);
    }
    QImage sheet(width, y + rowHeight + margin + 14, QImage::Format_RGB32);
    sheet.fill(QColor(70, 70, 76));
    QPainter p(&sheet);
    p.setFont(SansFont(12, true));
    for (int i = 0; i < images.size(); ++i) {
        p.setPen(QColor(230, 230, 230));
        p.drawText(places[i] + QPoint(0, -4), QStringLiteral("%1  %2x%3  %4 bpp")
                                                  .arg(Name(sheets::kSheets[i].resource))
                                                  .arg(images[i].width())
                                                  .arg(images[i].height())
                                                  .arg(images[i].depth() == 1 ? 1 : 8));
        p.drawImage(places[i], images[i]);
    }
    return sheet;
}

// A few cards composed the way the game screen composes them, on the felt.
QImage CardsOnFelt(const QList<QImage>& images) {
    const QImage& cards = images[int(sheets::Sheet::PokerGraphics)];
    const QImage& ranks = images[int(sheets::Sheet::CrdValue)];
    const QImage& mask = images[int(sheets::Sheet::Mask)];
    const QImage& tile = images[int(sheets::Sheet::ScreenTiles)];
    struct Shown {
        int rank, suit;
        bool wild, back;
    };
    const Shown shown[] = {{0, 3, false, false},  {12, 0, false, false}, {11, 1, false, false},
                           {10, 2, false, false}, {9, 0, false, false},  {1, 1, true, false},
                           {1, 3, true, false},   {4, 2, false, false},  {0, 0, false, true}};
    const int n = int(std::size(shown));
    QImage out(30 + n * 145, 240, QImage::Format_RGB32);
    {
        QPainter p(&out);
        for (int y = 0; y < out.height(); y += tile.height())
            for (int x = 0; x < out.width(); x += tile.width()) p.drawImage(x, y, tile);
    }
    const QImage maskCell =
        mask.copy(ToQRect(sheets::kMaskCell)).convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < n; ++i) {
        const int ox = 20 + i * 145, oy = 30;
        const QRect cell = ToQRect(shown[i].back ? sheets::kCardBack : sheets::kBlankFace);
        // background AND mask, then the card where the mask is black.
        QImage composed = out.copy(ox, oy, sheets::kCardWidth, sheets::kCardHeight);
        for (int y = 0; y < sheets::kCardHeight; ++y)
            for (int x = 0; x < sheets::kCardWidth; ++x)
                if (qGray(maskCell.pixel(x, y)) < 128)
                    composed.setPixel(x, y, cards.pixel(cell.left() + x, cell.top() + y));
        QPainter p(&composed);
        if (!shown[i].back) {
            const auto place = [&](const QImage& from, const sheets::CellRect& r,
                                   sheets::CardPartPlace at) {
                p.drawImage(at.x, at.y, from, r.left, r.top, r.width(), r.height());
            };
            const int s = shown[i].suit;
            place(cards, sheets::SmallSuit(s), sheets::kSmallSuitPlace);
            place(cards, sheets::LargeSuit(s), sheets::kLargeSuitPlace);
            place(ranks, sheets::RankGlyphForSuit(shown[i].rank, s), sheets::kRankGlyphPlace);
            if (shown[i].wild)
                place(cards, sheets::WildPicture(sheets::IsRedSuit(s)), sheets::kPicturePlace);
            else if (auto pic = sheets::CourtPicture(shown[i].rank))
                place(cards, *pic, sheets::kPicturePlace);
        }
        p.end();
        QPainter o(&out);
        o.drawImage(ox, oy, composed);
    }
    return out;
}

// The game screen put together from the sheets, roughly as the game lays it out, to judge
// the pictures where they are used.
QImage TableMockup(const QList<QImage>& images) {
    auto sheet = [&](sheets::Sheet s) -> const QImage& { return images[int(s)]; };
    QImage out(800, 600, QImage::Format_RGB32);
    out.fill(QColor(52, 92, 7));
    QPainter p(&out);
    const QImage& tile = sheet(sheets::Sheet::ScreenTiles);
    p.setClipRect(3, 3, 792, 592);
    for (int y = 3; y < 595; y += tile.height())
        for (int x = 3; x < 795; x += tile.width()) p.drawImage(x, y, tile);
    p.setClipping(false);
    p.fillRect(40, 5, 712, 233, QColor(128, 0, 0));
    p.fillRect(47, 11, 239, 220, Qt::black);
    p.drawImage(48, 11, sheet(sheets::Sheet::PaysPnlImage));
    const char* rows[9] = {"JACKS OR BETTER", "TWO PAIR",       "THREE OF A KIND",
                           "STRAIGHT",        "FLUSH",          "FULL HOUSE",
                           "FOUR OF A KIND",  "STRAIGHT FLUSH", "ROYAL FLUSH"};
    const int pays[9] = {1, 2, 3, 4, 6, 9, 25, 50, 250};
    const int tops[9] = {196, 173, 149, 126, 103, 79, 56, 32, 9};
    const QFont rowFont = SerifFont(16, true);
    p.setFont(rowFont);
    const int lefts[5] = {289, 365, 441, 517, 593};
    for (int k = 0; k < 5; ++k) {
        const int w = k == 4 ? 152 : 74;
        p.fillRect(lefts[k], 11, w, 220, k == 4 ? QColor(200, 0, 0) : QColor(0, 0, 0));
        for (int r = 0; r < 9; ++r) {
            const int v = (r == 8 && k == 4) ? 4000 : pays[r] * (k + 1);
            p.setPen(QColor(255, 255, 0));
            p.drawText(QRect(lefts[k], 11 + tops[r], w - 6, 20), Qt::AlignRight | Qt::AlignVCenter,
                       QString::number(v));
        }
    }
    for (int r = 0; r < 9; ++r) {
        p.setPen(r == 1 ? QColor(255, 0, 0) : QColor(255, 255, 0));
        p.drawText(QRect(53, 11 + tops[r], 230, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromLatin1(rows[r]));
    }
    // Cards, HELD captions.
    const QImage& cards = sheet(sheets::Sheet::PokerGraphics);
    const QImage& ranks = sheet(sheets::Sheet::CrdValue);
    const QImage maskCell = sheet(sheets::Sheet::Mask)
                                .copy(ToQRect(sheets::kMaskCell))
                                .convertToFormat(QImage::Format_RGB32);
    const int hand[5][2] = {{9, 2}, {9, 1}, {12, 0}, {4, 3}, {0, 3}};
    p.setFont(SansFont(16, true));
    for (int i = 0; i < 5; ++i) {
        const int ox = 46 + 145 * i, oy = 271;
        QImage card = out.copy(ox, oy, 120, 180);
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 120; ++x)
                if (qGray(maskCell.pixel(x, y)) < 128)
                    card.setPixel(
                        x, y, cards.pixel(sheets::kBlankFace.left + x, sheets::kBlankFace.top + y));
        QPainter c(&card);
        const int rank = hand[i][0], suit = hand[i][1];
        auto part = [&](const QImage& from, const sheets::CellRect& r, sheets::CardPartPlace at) {
            c.drawImage(at.x, at.y, from, r.left, r.top, r.width(), r.height());
        };
        part(cards, sheets::SmallSuit(suit), sheets::kSmallSuitPlace);
        part(cards, sheets::LargeSuit(suit), sheets::kLargeSuitPlace);
        part(ranks, sheets::RankGlyphForSuit(rank, suit), sheets::kRankGlyphPlace);
        if (auto pic = sheets::CourtPicture(rank)) part(cards, *pic, sheets::kPicturePlace);
        c.end();
        p.drawImage(ox, oy, card);
        if (i < 2) {
            p.setPen(Qt::black);
            p.drawText(81 + 145 * i, 245 + 16, QStringLiteral("HELD"));
            p.setPen(QColor(192, 192, 192));
            p.drawText(80 + 145 * i, 243 + 16, QStringLiteral("HELD"));
        }
    }
    // The win caption over the cards.
    p.drawImage(149, 381, sheet(sheets::Sheet::WinPanelImage));
    p.setFont(SerifFont(24, true));
    p.setPen(Qt::black);
    p.drawText(QRect(151, 385, 493, 32), Qt::AlignCenter, QStringLiteral("TWO PAIR  wins  10"));
    p.setPen(QColor(255, 255, 0));
    p.drawText(QRect(149, 383, 493, 32), Qt::AlignCenter, QStringLiteral("TWO PAIR  wins  10"));
    // Meters.
    auto meter = [&](int x, int y, const QString& text, bool right) {
        const int pos[7] = {0, 25, 50, 75, 86, 111, 136};
        const int n = int(text.size());
        for (int j = 0; j < n; ++j) {
            const int slot = 7 - n + j;
            const int g = text[j] == QLatin1Char(',') ? sheets::kCommaGlyph : text[j].digitValue();
            const sheets::CellRect r = sheets::DigitGlyph(g);
            const int dx = right ? pos[slot] : pos[slot] - pos[7 - n];
            p.drawImage(x + dx, y, sheet(sheets::Sheet::DigitalNumbers), r.left, r.top, r.width(),
                        r.height());
        }
    };
    p.fillRect(38, 463, 248, 49, Qt::black);
    p.drawImage(41, 466, sheet(sheets::Sheet::Win1));
    meter(38 + 91, 463 + 3, QStringLiteral("10"), false);
    p.fillRect(389, 463, 371, 49, Qt::black);
    meter(389 + 2, 463 + 3, QStringLiteral("1,250"), true);
    p.drawImage(389 + 166, 463 + 4, sheet(sheets::Sheet::Credits1));
    p.setFont(SansFont(16, true));
    p.setPen(Qt::black);
    p.drawText(322, 472 + 16, QStringLiteral("BET"));
    p.setPen(QColor(192, 192, 192));
    p.drawText(320, 470 + 16, QStringLiteral("BET"));
    // The button bar in the holding state.
    const int bar[7] = {1, 0, 6, 0, 0, 0, 14};
    for (int i = 0; i < 7; ++i) {
        const sheets::CellRect t = sheets::ButtonTile(bar[i], i == 6);
        p.drawImage(21 + 108 * i, 526, sheet(sheets::Sheet::VantaBtns), t.left, t.top, t.width(),
                    t.height());
    }
    p.setFont(SansFont(15, true));
    p.setPen(QColor(192, 192, 192));
    p.drawText(20, 562 + 15, QStringLiteral("Show Mistakes"));
    p.drawText(357, 562 + 15, QStringLiteral("Draw Poker"));
    return out;
}

// The sizes of the installed icons, in pixels.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The program's icon in the layout of an icon theme under dir: hicolor/NxN/apps/ID.png and
// hicolor/scalable/apps/ID.svg.
bool WriteIcons(const QString& dir) {
    const QString name = QStringLiteral(QUINTARO_APP_ID);
    const QDir hicolor(QDir(dir).filePath(QStringLiteral("hicolor")));
    bool ok = true;
    for (int size : kIconSizes) {
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        ok = hicolor.mkpath(apps) && ok;
        ok = ProgramIconImage(size).save(hicolor.filePath(apps + "/" + name + ".png")) && ok;
    }
    ok = hicolor.mkpath(QStringLiteral("scalable/apps")) && ok;
    QSvgGenerator svg;
    svg.setFileName(hicolor.filePath("scalable/apps/" + name + ".svg"));
    svg.setSize(QSize(32, 32));
    svg.setViewBox(QRect(0, 0, 32, 32));
    svg.setTitle(QStringLiteral("Quintaro"));
    svg.setDescription(QStringLiteral("A card with a heart and a Q leaning on a second card"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    PaintProgramIcon(p, 32);
    return p.end() && ok;
}

constexpr const char* kUsage =
    "usage: quintaro-artwork --build DIR | --scheme DIR | --sounds DIR | --icons DIR\n"
    "       quintaro-artwork --help | --version\n"
    "  --build DIR   the built-in sheets (sheets/NAME.bmp), sounds (sounds/NAME.wav)\n"
    "                and contact sheets (PNG) for a person to look at\n"
    "  --scheme DIR  a complete scheme folder: every picture file and Scheme.ini\n"
    "  --sounds DIR  the 22 wave files SND4.wav ... BASE18.wav\n"
    "  --icons DIR   the program's icon: DIR/hicolor/NxN/apps/" QUINTARO_APP_ID ".png\n"
    "                (16 to 256 pixels) and DIR/hicolor/scalable/apps/" QUINTARO_APP_ID ".svg\n"
    "  --help        this text\n"
    "  --version     the program's version\n";

int Usage() {
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace
} // namespace quintaro::artwork

int main(int argc, char* argv[]) {
    using namespace quintaro::artwork;
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("quintaro-artwork " QUINTARO_VERSION);
        return 0;
    }
    // The tool draws off screen; it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) return Usage();
    const QString mode = args[1];
    const QString dir = args[2];
    if (!quintaro::RegisterEmbeddedFonts()) {
        std::fputs("quintaro-artwork: the embedded fonts could not be registered\n", stderr);
        return 1;
    }
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "quintaro-artwork: cannot create %s\n", qPrintable(dir));
        return 1;
    }
    bool ok = false;
    if (mode == QLatin1String("--build")) {
        QList<QImage> decoded;
        ok = WriteSheets(QDir(dir).filePath("sheets"), false, &decoded);
        ok = WriteSounds(QDir(dir).filePath("sounds")) && ok;
        ok = ContactSheet(decoded).save(QDir(dir).filePath("contact-sheet.png")) && ok;
        ok = CardsOnFelt(decoded).save(QDir(dir).filePath("cards-on-felt.png")) && ok;
        ok = TableMockup(decoded).save(QDir(dir).filePath("table-mockup.png")) && ok;
    } else if (mode == QLatin1String("--scheme")) {
        ok = WriteSheets(dir, true, nullptr) && WriteSchemeIni(dir);
    } else if (mode == QLatin1String("--sounds")) {
        ok = WriteSounds(dir);
    } else if (mode == QLatin1String("--icons")) {
        ok = WriteIcons(dir);
    } else {
        return Usage();
    }
    if (!ok) {
        std::fprintf(stderr, "quintaro-artwork: could not write everything to %s\n",
                     qPrintable(dir));
        return 1;
    }
    return 0;
}
