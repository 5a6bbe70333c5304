#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <vector>

#include "art.h"
#include "media/embedded_fonts.h"

namespace quintaro::artwork {

QImage NewSheet(sheets::Sheet sheet, QColor fill) {
    const sheets::SheetInfo& info = sheets::Info(sheet);
    QImage image(info.width, info.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QRect ToQRect(const sheets::CellRect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QFont SansFont(int pixelSize, bool bold) {
    return EmbeddedFont(kSansFamily, pixelSize, bold ? QFont::Bold : QFont::Normal);
}
QFont SerifFont(int pixelSize, bool bold) {
    return EmbeddedFont(kSerifFamily, pixelSize, bold ? QFont::Bold : QFont::Normal);
}
QFont SymbolFont(int pixelSize, bool bold) {
    return EmbeddedFont(kSymbolFamily, pixelSize, bold ? QFont::Bold : QFont::Normal);
}

QPainterPath TextPath(const QFont& font, const QString& text, double letterSpacing) {
    QPainterPath path;
    if (letterSpacing == 0) {
        path.addText(0, 0, font, text);
        return path;
    }
    const QFontMetricsF fm(font);
    double x = 0;
    for (const QChar c : text) {
        path.addText(x, 0, font, QString(c));
        x += fm.horizontalAdvance(c) + letterSpacing;
    }
    return path;
}

QPainterPath FitPath(const QPainterPath& path, const QRectF& target, bool keepAspect) {
    const QRectF b = path.boundingRect();
    if (b.isEmpty()) return path;
    double sx = target.width() / b.width();
    double sy = target.height() / b.height();
    if (keepAspect) sx = sy = std::min(sx, sy);
    QTransform t;
    t.translate(target.center().x(), target.center().y());
    t.scale(sx, sy);
    t.translate(-b.center().x(), -b.center().y());
    return t.map(path);
}

// ---- wood -----------------------------------------------------------------------------------

void PaintWood(QImage& image, const QRect& rect, std::uint64_t seed, double grainScale) {
    const int w = rect.width();
    const int h = rect.height();
    // Long, gently wandering growth rings across the board, fine pores along it.
    const TileNoise warp(w, h, 3, 2, 3, seed);
    const TileNoise streaks(w, h, 3, std::max(6, int(h / (3.0 * grainScale))), 3, seed + 1);
    const TileNoise fibre(w, h, std::max(4, w / 14), std::max(8, int(h / 1.3)), 1, seed + 2);
    const TileNoise blotch(w, h, 4, 3, 2, seed + 3);
    const QColor dark(38, 16, 8);
    const QColor mid(92, 42, 20);
    const QColor light(142, 72, 34);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(rect.top() + y)) + rect.left();
        for (int x = 0; x < w; ++x) {
            // The grain wanders gently; streaks, fibres and broad figure all follow it.
            const double yy = y + (warp.At(x, y) - 0.5) * 26.0 * grainScale;
            const double streak = streaks.At(x, yy);
            const double figure = 0.5 + 0.5 * std::sin(yy / (23.0 * grainScale) * 2 * M_PI);
            const double fb = fibre.At(x, yy);
            const double b = blotch.At(x, y);
            double t = 0.48 + 0.95 * (streak - 0.5) + 0.16 * (figure - 0.5) + 0.22 * (fb - 0.5) +
                       0.22 * (b - 0.5);
            t = std::clamp(t, 0.0, 1.0);
            QColor c;
            if (t < 0.5) {
                const double u = t / 0.5;
                c.setRgbF(dark.redF() + (mid.redF() - dark.redF()) * u,
                          dark.greenF() + (mid.greenF() - dark.greenF()) * u,
                          dark.blueF() + (mid.blueF() - dark.blueF()) * u);
            } else {
                const double u = (t - 0.5) / 0.5;
                c.setRgbF(mid.redF() + (light.redF() - mid.redF()) * u,
                          mid.greenF() + (light.greenF() - mid.greenF()) * u,
                          mid.blueF() + (light.blueF() - mid.blueF()) * u);
            }
            // The lacquer: a soft sheen a third of the way down.
            const double v = double(y) / std::max(1, h - 1);
            const double sheen = 1.0 + 0.16 * std::exp(-std::pow((v - 0.28) / 0.22, 2));
            line[x] =
                qRgb(std::min(255, int(c.red() * sheen)), std::min(255, int(c.green() * sheen)),
                     std::min(255, int(c.blue() * sheen)));
        }
    }
}

void PaintBevel(QPainter& p, const QRectF& r, int width, int lightAlpha, int darkAlpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < width; ++i) {
        const double f = 1.0 - double(i) / width;
        const QRectF q = r.adjusted(i, i, -i - 1, -i - 1);
        p.setPen(QColor(255, 230, 200, int(lightAlpha * f)));
        p.drawLine(QPointF(q.left(), q.top()), QPointF(q.right(), q.top()));
        p.drawLine(QPointF(q.left(), q.top()), QPointF(q.left(), q.bottom()));
        p.setPen(QColor(0, 0, 0, int(darkAlpha * f)));
        p.drawLine(QPointF(q.left() + 1, q.bottom()), QPointF(q.right(), q.bottom()));
        p.drawLine(QPointF(q.right(), q.top() + 1), QPointF(q.right(), q.bottom()));
    }
    p.restore();
}

// ---- LED glyphs -----------------------------------------------------------------------------

namespace {

struct Stroke {
    double x0, y0, x1, y1; // on a grid 0..2 wide and 0..2 high (1 is the middle line)
};

// One lit bar with pointed ends, in the grid of box.
QPolygonF Bar(const QRectF& box, const Stroke& s, const LedStyle& style) {
    auto map = [&](double gx, double gy) {
        const double x = box.left() + gx / 2.0 * box.width();
        const double y = box.top() + gy / 2.0 * box.height();
        return QPointF(x + (box.bottom() - y) * style.slant, y);
    };
    QPointF a = map(s.x0, s.y0);
    QPointF b = map(s.x1, s.y1);
    QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1e-6) return {};
    d /= len;
    const QPointF n(-d.y(), d.x());
    const double h = style.thickness / 2.0;
    a += d * style.gap;
    b -= d * style.gap;
    QPolygonF poly;
    poly << a << a + d * h + n * h << b - d * h + n * h << b << b - d * h - n * h
         << a + d * h - n * h;
    return poly;
}

void DrawStrokes(QPainter& p, const QRectF& box, const std::vector<Stroke>& strokes,
                 const LedStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // A faint glow first, then the lit body, then the hot core.
    LedStyle glow = style;
    glow.thickness += 2.6;
    glow.gap -= 0.9;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 20, 10, 55));
    for (const Stroke& s : strokes) p.drawPolygon(Bar(box, s, glow));
    p.setBrush(QColor(236, 22, 14));
    for (const Stroke& s : strokes) p.drawPolygon(Bar(box, s, style));
    LedStyle core = style;
    core.thickness = std::max(1.0, style.thickness * 0.38);
    core.gap += style.thickness * 0.35;
    p.setBrush(QColor(255, 120, 96));
    for (const Stroke& s : strokes) p.drawPolygon(Bar(box, s, core));
    p.restore();
}

// Seven segments: a top, b top right, c bottom right, d bottom, e bottom left, f top left,
// g middle.
const Stroke kSeg[7] = {
    {0, 0, 2, 0}, {2, 0, 2, 1}, {2, 1, 2, 2}, {0, 2, 2, 2},
    {0, 1, 0, 2}, {0, 0, 0, 1}, {0, 1, 2, 1},
};
const char* const kDigitSegments[10] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                        "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};

} // namespace

void DrawLedDigit(QPainter& p, const QRectF& box, int digit, const LedStyle& style) {
    std::vector<Stroke> strokes;
    for (const char* c = kDigitSegments[digit]; *c; ++c) strokes.push_back(kSeg[*c - 'a']);
    DrawStrokes(p, box, strokes, style);
}

void DrawLedLetter(QPainter& p, const QRectF& box, QChar letter, const LedStyle& style) {
    std::vector<Stroke> s;
    auto add = [&s](double a, double b, double c, double d) { s.push_back({a, b, c, d}); };
    switch (letter.toUpper().unicode()) {
    case 'C':
        add(0, 0, 2, 0), add(0, 0, 0, 1), add(0, 1, 0, 2), add(0, 2, 2, 2);
        break;
    case 'R':
        add(0, 0, 2, 0), add(0, 0, 0, 1), add(0, 1, 0, 2), add(2, 0, 2, 1), add(0, 1, 2, 1),
            add(1.0, 1, 2, 2);
        break;
    case 'E':
        add(0, 0, 2, 0), add(0, 0, 0, 1), add(0, 1, 0, 2), add(0, 2, 2, 2), add(0, 1, 1.5, 1);
        break;
    case 'D':
        add(0, 0, 1.35, 0), add(1.35, 0, 2, 0.55), add(2, 0.55, 2, 1.45), add(2, 1.45, 1.35, 2),
            add(0, 2, 1.35, 2), add(0, 0, 0, 1), add(0, 1, 0, 2);
        break;
    case 'I':
        add(0.3, 0, 1.7, 0), add(1, 0, 1, 1), add(1, 1, 1, 2), add(0.3, 2, 1.7, 2);
        break;
    case 'T':
        add(0, 0, 1, 0), add(1, 0, 2, 0), add(1, 0, 1, 1), add(1, 1, 1, 2);
        break;
    case 'S':
        add(0, 0, 2, 0), add(0, 0, 0, 1), add(0, 1, 2, 1), add(2, 1, 2, 2), add(0, 2, 2, 2);
        break;
    case 'W':
        add(0, 0, 0, 1), add(0, 1, 0, 2), add(2, 0, 2, 1), add(2, 1, 2, 2), add(0, 2, 1, 1.1),
            add(1, 1.1, 2, 2);
        break;
    case 'N':
        add(0, 0, 0, 1), add(0, 1, 0, 2), add(2, 0, 2, 1), add(2, 1, 2, 2), add(0, 0, 2, 2);
        break;
    default:
        break;
    }
    DrawStrokes(p, box, s, style);
}

void DrawLedComma(QPainter& p, const QRectF& box, const LedStyle& style) {
    // A point on the baseline with a tail running down to the left, one lit piece.
    const double b = box.bottom() + 1.0; // on the digits' baseline
    const double x = box.left() + box.width() / 2;
    const double s = style.thickness;
    auto slant = [&](QPointF q) { return QPointF(q.x() + (b - q.y()) * style.slant, q.y()); };
    auto comma = [&](double grow) {
        QPolygonF poly;
        poly << slant({x - s / 2 - grow, b - s - grow}) << slant({x + s / 2 + grow, b - s - grow})
             << slant({x + s / 2 + grow, b + 0.5})
             << slant({x - s / 2 - 1.5 - grow, b + 2.8 + grow})
             << slant({x - s / 2 - grow, b + 0.2});
        return poly;
    };
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 20, 10, 55));
    p.drawPolygon(comma(1.3));
    p.setBrush(QColor(236, 22, 14));
    p.drawPolygon(comma(0));
    p.setBrush(QColor(255, 120, 96));
    p.drawEllipse(slant({x, b - s / 2}), s * 0.2, s * 0.2);
    p.restore();
}

// ---- dispatch -------------------------------------------------------------------------------

QImage DrawSheet(sheets::Sheet sheet) {
    using sheets::Sheet;
    switch (sheet) {
    case Sheet::PokerGraphics:
        return DrawPokerGraphics();
    case Sheet::CrdValue:
        return DrawCrdValue();
    case Sheet::Mask:
        return DrawMask();
    case Sheet::ScreenTiles:
        return DrawScreenTiles();
    case Sheet::PaysPnlImage:
        return DrawPaysPanel();
    case Sheet::WinPanelImage:
        return DrawWinPanel();
    case Sheet::Win1:
        return DrawWin1();
    case Sheet::Credits1:
        return DrawCredits1();
    case Sheet::DigitalNumbers:
        return DrawDigitalNumbers();
    case Sheet::VantaBtns:
        return DrawVantaButtons();
    case Sheet::GameTyps:
        return DrawGameTypes();
    case Sheet::Picker1:
        return DrawPicker();
    case Sheet::Value:
        return DrawValue();
    case Sheet::SuiteName:
        return DrawSuiteName();
    case Sheet::InfoArea:
        return DrawInfoArea();
    }
    return {};
}

PaletteOptions PaletteFor(sheets::Sheet sheet) {
    using sheets::Sheet;
    PaletteOptions o;
    o.keep = {kPureBlack};
    switch (sheet) {
    case Sheet::PokerGraphics:
    case Sheet::CrdValue:
        o.keep.push_back(kPureWhite);
        break;
    case Sheet::ScreenTiles:
    case Sheet::PaysPnlImage:
    case Sheet::WinPanelImage:
    case Sheet::InfoArea:
    case Sheet::VantaBtns:
        o.dither = true;
        o.ditherStrength = 0.6;
        break;
    case Sheet::GameTyps:
    case Sheet::Value:
    case Sheet::SuiteName:
        o.dither = true;
        break;
    case Sheet::DigitalNumbers:
    case Sheet::Win1:
    case Sheet::Credits1:
    case Sheet::Picker1:
        o.snapToBlack = 8;
        break;
    default:
        break;
    }
    return o;
}

} // namespace quintaro::artwork
