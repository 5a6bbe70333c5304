// The cabinet: felt, wood panels, LED meters, buttons, marquee plates, coins and plates.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include "art.h"

namespace quintaro::artwork {

namespace {

const QColor kGold(232, 182, 52);
const QColor kGoldLight(255, 232, 140);
const QColor kGoldDark(128, 82, 14);

QLinearGradient GoldGradient(double top, double bottom) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, kGoldLight);
    g.setColorAt(0.45, kGold);
    g.setColorAt(0.55, QColor(196, 138, 28));
    g.setColorAt(1.0, QColor(250, 214, 110));
    return g;
}

// Text with a dark outline and a drop shadow, filled with a brush: crisp at 1:1.
void EmbossedText(QPainter& p, const QPainterPath& path, const QBrush& fill, QColor outline,
                  double outlineWidth, QPointF shadow = QPointF(1, 1)) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (!shadow.isNull()) {
        p.setPen(QPen(QColor(0, 0, 0, 170), outlineWidth + 0.6, Qt::SolidLine, Qt::RoundCap,
                      Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 0, 170));
        p.drawPath(path.translated(shadow));
    }
    if (outlineWidth > 0) {
        p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    p.restore();
}

// Text centred in a rectangle with the hinted rasteriser (sharpest at small sizes).
void CentredText(QPainter& p, const QRectF& r, const QFont& font, const QString& text,
                 QColor colour, QColor shadow, QPointF shadowOffset = QPointF(1, 1)) {
    p.save();
    p.setFont(font);
    if (shadow.alpha() > 0) {
        p.setPen(shadow);
        p.drawText(r.translated(shadowOffset), Qt::AlignCenter, text);
    }
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, text);
    p.restore();
}

} // namespace

// ---- felt -----------------------------------------------------------------------------------

QImage DrawScreenTiles() {
    QImage img = NewSheet(sheets::Sheet::ScreenTiles, Qt::black);
    const int w = img.width();
    const int h = img.height();
    // The lattices of the noise wrap at the tile's size, so the tiled felt has no seam.
    const TileNoise cloud(w, h, 2, 2, 3, 41);
    const TileNoise nap(w, h, 23, 67, 1, 42);
    Rng rng(43);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double c = cloud.At(x, y) - 0.5;
            const double n = nap.At(x, y) - 0.5;
            const double fibre = rng.Uniform() - 0.5;
            const double f = 1.0 + 0.07 * c + 0.06 * n + 0.06 * fibre;
            line[x] = qRgb(std::clamp(int(44 * f), 0, 255), std::clamp(int(84 * f), 0, 255),
                           std::clamp(int(12 * f), 0, 255));
        }
    }
    return img;
}

// ---- wood panels ------------------------------------------------------------------------------

QImage DrawPaysPanel() {
    QImage img = NewSheet(sheets::Sheet::PaysPnlImage, Qt::black);
    PaintWood(img, img.rect(), 7, 1.0);
    QPainter p(&img);
    // Darken towards the edges so the yellow pay lines stand out, then the polished edge.
    QLinearGradient v(0, 0, img.width(), 0);
    v.setColorAt(0, QColor(0, 0, 0, 70));
    v.setColorAt(0.12, QColor(0, 0, 0, 20));
    v.setColorAt(0.88, QColor(0, 0, 0, 20));
    v.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(img.rect(), v);
    p.fillRect(img.rect(), QColor(0, 0, 0, 75));
    PaintBevel(p, QRectF(img.rect()), 3, 90, 150);
    return img;
}

QImage DrawWinPanel() {
    QImage img = NewSheet(sheets::Sheet::WinPanelImage, Qt::black);
    PaintWood(img, img.rect(), 19, 0.55);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(img.rect(), QColor(0, 0, 0, 30));
    // A brass inlay line near each edge.
    p.setPen(QPen(QColor(214, 164, 60, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(img.rect()).adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
    PaintBevel(p, QRectF(img.rect()), 2, 110, 160);
    return img;
}

// ---- LED meters -------------------------------------------------------------------------------

namespace {
LedStyle MeterStyle() {
    LedStyle s;
    s.thickness = 4.6;
    s.gap = 0.9;
    s.slant = 0.09;
    return s;
}
} // namespace

QImage DrawDigitalNumbers() {
    QImage img = NewSheet(sheets::Sheet::DigitalNumbers, Qt::black);
    QPainter p(&img);
    const LedStyle style = MeterStyle();
    for (int d = 0; d < 10; ++d) {
        const QRect cell = ToQRect(sheets::DigitGlyph(d));
        // Each glow stays in its own cell: a fringe in the neighbour's first
        // column would show beside that digit wherever it stands.
        p.setClipRect(cell);
        DrawLedDigit(p, QRectF(cell.left() + 4.0, 4.5, 15.5, 32), d, style);
    }
    const QRect comma = ToQRect(sheets::DigitGlyph(sheets::kCommaGlyph));
    p.setClipRect(comma);
    DrawLedComma(p, QRectF(comma.left() + 1.5, 4.5, 7, 32), style);
    p.setClipping(false);
    return img;
}

namespace {
QImage LedWord(sheets::Sheet sheet, const QString& word, double letterWidth, double height,
               double spacing) {
    QImage img = NewSheet(sheet, Qt::black);
    QPainter p(&img);
    LedStyle style = MeterStyle();
    style.thickness = 3.8;
    double total = 0;
    for (const QChar c : word) total += (c == QLatin1Char('I') ? letterWidth * 0.7 : letterWidth);
    total += spacing * (word.size() - 1);
    double x = (img.width() - total) / 2.0 - 1.0;
    const double top = (img.height() - height) / 2.0;
    for (const QChar c : word) {
        const double lw = c == QLatin1Char('I') ? letterWidth * 0.7 : letterWidth;
        DrawLedLetter(p, QRectF(x, top, lw, height), c, style);
        x += lw + spacing;
    }
    return img;
}
} // namespace

QImage DrawWin1() {
    return LedWord(sheets::Sheet::Win1, QStringLiteral("WIN"), 17, 28, 6);
}

QImage DrawCredits1() {
    return LedWord(sheets::Sheet::Credits1, QStringLiteral("CREDITS"), 17, 28, 7);
}

// ---- button-bar tiles -------------------------------------------------------------------------

namespace {

struct ButtonLook {
    QColor base;
    QString label;
    QColor text = Qt::white;
    int arrows = 0;
    bool dim = false;
};

void DrawArrows(QPainter& p, const QRectF& r, int count, QColor colour) {
    const double w = 7, gap = 1.5;
    double x = r.center().x() - (count * w + (count - 1) * gap) / 2;
    p.setPen(QPen(QColor(0, 0, 0, 140), 1));
    p.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        QPolygonF tri;
        tri << QPointF(x, r.center().y() - 4.5) << QPointF(x + w, r.center().y())
            << QPointF(x, r.center().y() + 4.5);
        p.drawPolygon(tri);
        x += w + gap;
    }
}

void DrawButton(QPainter& p, const QRect& tile, const ButtonLook& look, bool pressed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    // The black deck the button sits in.
    p.fillRect(tile, QColor(12, 12, 14));
    const QPointF shift = pressed ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF body = QRectF(tile).adjusted(1.5, 1.5, -2.5, -2.5).translated(shift);
    QColor base = look.base;
    if (pressed) base = base.darker(135);
    if (look.dim) base = base.darker(150);
    // Drop shadow of a raised button.
    if (!pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 160));
        p.drawRoundedRect(body.translated(1, 1), 6, 6);
    }
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0.0, base.lighter(pressed ? 112 : 150));
    g.setColorAt(0.48, base);
    g.setColorAt(0.52, base.darker(112));
    g.setColorAt(1.0, base.darker(pressed ? 120 : 165));
    p.setPen(QPen(base.darker(260), 1));
    p.setBrush(g);
    p.drawRoundedRect(body, 6, 6);
    if (!pressed) {
        // Gloss on the upper half.
        const QRectF gloss = body.adjusted(3, 1.5, -3, -body.height() * 0.52);
        QLinearGradient gl(0, gloss.top(), 0, gloss.bottom());
        gl.setColorAt(0, QColor(255, 255, 255, look.dim ? 70 : 150));
        gl.setColorAt(1, QColor(255, 255, 255, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(gl);
        p.drawRoundedRect(gloss, 4, 4);
    } else {
        // Pushed in: a shadow along the top and left inside edge.
        p.setPen(QPen(QColor(0, 0, 0, 120), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawLine(body.topLeft() + QPointF(5, 1.5), body.topRight() + QPointF(-5, 1.5));
        p.drawLine(body.topLeft() + QPointF(1.5, 5), body.bottomLeft() + QPointF(1.5, -5));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRectF textRect = body.adjusted(2, 0, -2, 0);
    const bool darkText = qGray(look.text.rgb()) < 100;
    const QColor shadow = darkText ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 200);
    if (!look.label.isEmpty()) {
        QRectF r = textRect;
        if (look.arrows > 0) r.setRight(r.right() - (look.arrows * 8.5 + 4));
        CentredText(p, r, SansFont(13, true), look.label, look.dim ? look.text : look.text, shadow);
        if (look.arrows > 0) {
            p.setRenderHint(QPainter::Antialiasing, true);
            const QFontMetricsF fm(SansFont(13, true));
            const double textRight = r.center().x() + fm.horizontalAdvance(look.label) / 2;
            DrawArrows(p, QRectF(textRight + 4, body.top(), look.arrows * 8.5, body.height()),
                       look.arrows, look.text);
        }
    }
    p.restore();
}

} // namespace

QImage DrawVantaButtons() {
    QImage img = NewSheet(sheets::Sheet::VantaBtns, QColor(12, 12, 14));
    QPainter p(&img);
    const QColor grey(78, 80, 86), blue(34, 88, 196), orange(232, 118, 16), green(24, 146, 70),
        purple(128, 58, 178), maroon(150, 36, 36), yellow(244, 196, 24), teal(18, 132, 158),
        red(204, 28, 28), dimRed(96, 22, 22);
    const QColor ink(36, 22, 0);
    const ButtonLook rows[sheets::kButtonTileRows] = {
        {grey, "", Qt::white, 0, true},
        {blue, "HELP"},
        {orange, ""},
        {orange, ""},
        {green, "SPEED", Qt::white, 1},
        {green, "SPEED", Qt::white, 2},
        {green, "SPEED", Qt::white, 3},
        {purple, "QUIK PICK"},
        {maroon, "ERASE"},
        {yellow, "DEAL", ink},
        {teal, "MENU"},
        {teal, "NEXT"},
        {dimRed, "DRAW", QColor(255, 60, 48)},
        {teal, "RETURN"},
        {yellow, "DRAW", ink},
        {red, "BET UP"},
        {red, "BET DOWN"},
        {red, "BET 1"},
        {red, "MAX BET"},
        {blue, "SEE PAYS"},
    };
    for (int t = 0; t < sheets::kButtonTileRows; ++t) {
        DrawButton(p, ToQRect(sheets::ButtonTile(t, false)), rows[t], false);
        ButtonLook pressed = rows[t];
        if (t == kTileStart) pressed.label = QStringLiteral("START");
        if (t == kTilePays) pressed.label = QStringLiteral("PAYS");
        if (t == kTileDrawDim) {
            pressed.label = QStringLiteral("PREVIOUS");
            pressed.base = teal;
            pressed.text = Qt::white;
        }
        DrawButton(p, ToQRect(sheets::ButtonTile(t, true)), pressed, true);
    }
    return img;
}

// ---- marquee game plates ----------------------------------------------------------------------

QImage DrawGameTypes() {
    QImage img = NewSheet(sheets::Sheet::GameTyps, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    struct Plate {
        QColor colour;
        const char* small;
        const char* big;
    };
    const Plate plates[9] = {
        {QColor(30, 78, 196), "JACKS OR", "BETTER"},
        {QColor(196, 24, 36), "BONUS", "POKER"},
        {QColor(112, 44, 176), "BONUS", "DELUXE"},
        {QColor(18, 138, 58), "DEUCES", "WILD"},
        {QColor(222, 110, 10), "DOUBLE", "BONUS"},
        {QColor(0, 132, 146), "DOUBLE DOUBLE", "BONUS"},
        {QColor(186, 28, 132), "SUPER DOUBLE", "BONUS"},
        {QColor(132, 56, 24), "TRIPLE DOUBLE", "BONUS"},
        {QColor(52, 56, 70), "SUPER ACES", "BONUS"},
    };
    for (int g = 0; g < 9; ++g) {
        const QRectF cell = QRectF(ToQRect(sheets::GameButton(g)));
        const Plate& pl = plates[g];
        // Gold frame.
        QLinearGradient frame(0, cell.top(), 0, cell.bottom());
        frame.setColorAt(0, kGoldLight);
        frame.setColorAt(0.5, kGold);
        frame.setColorAt(1, kGoldDark);
        p.setPen(QPen(QColor(60, 36, 0), 1));
        p.setBrush(frame);
        p.drawRoundedRect(cell.adjusted(0.5, 0.5, -0.5, -0.5), 7, 7);
        // Coloured field with a lit centre.
        const QRectF field = cell.adjusted(6.5, 6.5, -6.5, -6.5);
        QRadialGradient rg(field.center() - QPointF(0, 6), field.width() * 0.62);
        rg.setColorAt(0, pl.colour.lighter(150));
        rg.setColorAt(0.6, pl.colour);
        rg.setColorAt(1, pl.colour.darker(210));
        p.setPen(QPen(QColor(40, 24, 0), 1));
        p.setBrush(rg);
        p.drawRoundedRect(field, 4, 4);
        // Marquee bulbs along the frame, every other one lit.
        const int perTop = 14;
        const int perSide = 5;
        int bulb = 0;
        auto drawBulb = [&](QPointF c) {
            const bool lit = (bulb++ % 2) == 0;
            QRadialGradient b(c - QPointF(0.4, 0.4), 2.0);
            b.setColorAt(0, lit ? QColor(255, 255, 235) : QColor(170, 120, 40));
            b.setColorAt(1, lit ? QColor(255, 200, 70) : QColor(110, 70, 10));
            p.setPen(Qt::NoPen);
            p.setBrush(b);
            p.drawEllipse(c, 1.6, 1.6);
        };
        const double l = cell.left() + 3.5, r = cell.right() - 3.5;
        const double t = cell.top() + 3.5, bt = cell.bottom() - 3.5;
        for (int i = 0; i < perTop; ++i) drawBulb({l + 4 + (r - l - 8) * i / (perTop - 1), t});
        for (int i = 1; i < perSide; ++i) drawBulb({r, t + (bt - t) * i / perSide});
        for (int i = perTop - 1; i >= 0; --i)
            drawBulb({l + 4 + (r - l - 8) * i / (perTop - 1), bt});
        for (int i = perSide - 1; i >= 1; --i) drawBulb({l, t + (bt - t) * i / perSide});
        // Gloss across the top of the field.
        QLinearGradient gl(0, field.top(), 0, field.center().y());
        gl.setColorAt(0, QColor(255, 255, 255, 90));
        gl.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(gl);
        p.drawRoundedRect(field.adjusted(2, 1.5, -2, -field.height() * 0.5), 3, 3);
        // The name: a small line above, a big gold serif word below.
        const QString small = QString::fromLatin1(pl.small);
        const QPainterPath smallPath =
            FitPath(TextPath(SansFont(11, true), small, 0.8),
                    QRectF(field.left() + 6, field.top() + 5, field.width() - 12, 9.5));
        EmbossedText(p, smallPath, QColor(255, 255, 255), QColor(0, 0, 0, 200), 1.6,
                     QPointF(0.8, 0.8));
        QPainterPath bigPath = TextPath(SerifFont(26, true), QString::fromLatin1(pl.big));
        bigPath = FitPath(bigPath, QRectF(field.left() + 6, field.top() + 19, field.width() - 12,
                                          field.height() - 24));
        EmbossedText(p, bigPath,
                     GoldGradient(bigPath.boundingRect().top(), bigPath.boundingRect().bottom()),
                     QColor(40, 16, 0), 2.0, QPointF(1.2, 1.2));
    }
    return img;
}

// ---- selection frame --------------------------------------------------------------------------

QImage DrawPicker() {
    QImage img = NewSheet(sheets::Sheet::Picker1, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF hole = QRectF(ToQRect(sheets::kPickerButtonHole));
    const QRectF b = hole.adjusted(-11.5, -11.5, 11.5, 11.5);
    const double arm = 30;
    auto bracket = [&](QPointF corner, double dx, double dy) {
        QPainterPath path;
        path.moveTo(corner + QPointF(dx * arm, 0));
        path.lineTo(corner);
        path.lineTo(corner + QPointF(0, dy * arm));
        return path;
    };
    QPainterPath all;
    all.addPath(bracket(b.topLeft(), 1, 1));
    all.addPath(bracket(b.topRight(), -1, 1));
    all.addPath(bracket(b.bottomLeft(), 1, -1));
    all.addPath(bracket(b.bottomRight(), -1, -1));
    // Glow, body and a bright core.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 255, 90, 45), 9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(all);
    p.setPen(QPen(QColor(30, 255, 90, 80), 6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(all);
    p.setPen(QPen(QColor(20, 210, 70), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(all);
    p.setPen(QPen(QColor(190, 255, 200), 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPath(all);
    // Pointers at the middle of the left and right sides.
    for (int side = -1; side <= 1; side += 2) {
        QPolygonF shape;
        const double xo = side < 0 ? b.left() - 9 : b.right() + 9;
        shape << QPointF(xo, hole.center().y() - 7) << QPointF(xo - side * 8, hole.center().y())
              << QPointF(xo, hole.center().y() + 7);
        p.setPen(QPen(QColor(30, 255, 90, 70), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(30, 255, 90, 70));
        p.drawPolygon(shape);
        p.setPen(QPen(QColor(190, 255, 200), 1));
        p.setBrush(QColor(20, 210, 70));
        p.drawPolygon(shape);
    }
    return img;
}

// ---- coins --------------------------------------------------------------------------------------

QImage DrawValue() {
    QImage img = NewSheet(sheets::Sheet::Value, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    struct Coin {
        QString mark;
        QColor light, mid, dark;
        double radius;
    };
    const Coin coins[3] = {
        {QStringLiteral("5\u00a2"), QColor(226, 226, 222), QColor(150, 150, 146),
         QColor(76, 76, 74), 23.0},
        {QStringLiteral("25\u00a2"), QColor(250, 250, 252), QColor(190, 194, 204),
         QColor(104, 108, 120), 25.5},
        {QStringLiteral("$1"), QColor(255, 236, 150), QColor(218, 166, 40), QColor(118, 76, 8),
         26.5},
    };
    for (int v = 0; v < 3; ++v) {
        const QRectF cell = QRectF(ToQRect(sheets::CreditValuePicture(v)));
        const Coin& c = coins[v];
        const QPointF centre = cell.center();
        const double r = c.radius;
        // Soft shadow, milled edge, rim and face.
        QRadialGradient edge(centre - QPointF(6, 8), r * 1.6);
        edge.setColorAt(0, c.light);
        edge.setColorAt(0.55, c.mid);
        edge.setColorAt(1, c.dark);
        p.setBrush(edge);
        p.setPen(QPen(c.dark.darker(160), 1));
        p.drawEllipse(centre, r, r);
        // Reeding around the edge.
        p.setPen(QPen(c.dark, 0.8));
        for (int i = 0; i < 72; ++i) {
            const double a = 2 * M_PI * i / 72;
            p.drawLine(centre + QPointF(std::cos(a), std::sin(a)) * (r - 3.2),
                       centre + QPointF(std::cos(a), std::sin(a)) * (r - 0.8));
        }
        QRadialGradient face(centre + QPointF(5, 7), r * 1.3);
        face.setColorAt(0, c.light);
        face.setColorAt(0.5, c.mid);
        face.setColorAt(1, c.dark.lighter(120));
        p.setPen(QPen(c.dark.darker(130), 1));
        p.setBrush(face);
        p.drawEllipse(centre, r - 4, r - 4);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, r - 6.5, r - 6.5);
        // The value, struck into the face.
        QPainterPath mark = TextPath(SerifFont(26, true), c.mark);
        const double mw = r * 1.2, mh = r * 0.8;
        mark = FitPath(mark, QRectF(centre.x() - mw / 2, centre.y() - mh / 2, mw, mh));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawPath(mark.translated(0.8, 0.8));
        p.setBrush(c.dark.darker(150));
        p.drawPath(mark);
        // A glint.
        const QPointF gc = centre + QPointF(-r * 0.43, -r * 0.47);
        QRadialGradient glint(gc, 7);
        glint.setColorAt(0, QColor(255, 255, 255, 200));
        glint.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glint);
        p.drawEllipse(gc, 7, 7);
    }
    return img;
}

// ---- product name -------------------------------------------------------------------------------

QImage DrawSuiteName() {
    QImage img = NewSheet(sheets::Sheet::SuiteName, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath name = TextPath(SerifFont(22, true), QStringLiteral("Quintaro"), 0.5);
    name = FitPath(name, QRectF(30, 2.5, 104, 18.5));
    EmbossedText(p, name, GoldGradient(name.boundingRect().top(), name.boundingRect().bottom()),
                 QColor(60, 24, 0), 1.4, QPointF(1, 1));
    // A spade on the left and a heart on the right.
    const QPainterPath spade = SuitPath(3, QRectF(8, 5, 14, 14));
    const QPainterPath heart = SuitPath(0, QRectF(142, 5, 14, 14));
    EmbossedText(p, spade, QColor(236, 236, 240), QColor(0, 0, 0), 0, QPointF(1, 1));
    EmbossedText(p, heart, QColor(226, 30, 40), QColor(0, 0, 0), 0, QPointF(1, 1));
    return img;
}

// ---- the menu's bottom panel ----------------------------------------------------------------

QImage DrawInfoArea() {
    QImage img = NewSheet(sheets::Sheet::InfoArea, Qt::black);
    PaintWood(img, img.rect(), 29, 1.1);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillRect(img.rect(), QColor(0, 0, 0, 25));
    // Brass pinstripe inlay around the panel.
    p.setPen(QPen(QColor(210, 160, 62, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(img.rect()).adjusted(6.5, 6.5, -6.5, -6.5), 4, 4);
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawRoundedRect(QRectF(img.rect()).adjusted(7.5, 7.5, -7.5, -7.5), 4, 4);
    // Engraved strap line at the top.
    QPainterPath strap =
        TextPath(SerifFont(15, true), QStringLiteral("VIDEO POKER  \u2022  STRATEGY TRAINER"), 1.6);
    strap = FitPath(strap, QRectF(250, 22, 282, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(strap.translated(0, -1));
    p.setBrush(QColor(226, 180, 90, 200));
    p.drawPath(strap);
    // The maker's name plate: polished brass with engraved letters and four screws.
    const QRectF plate = QRectF(ToQRect(sheets::kMakerPlate)).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawRoundedRect(plate.translated(2, 2), 5, 5);
    QLinearGradient brass(0, plate.top(), 0, plate.bottom());
    brass.setColorAt(0, QColor(255, 226, 140));
    brass.setColorAt(0.35, QColor(222, 170, 60));
    brass.setColorAt(0.6, QColor(176, 122, 28));
    brass.setColorAt(1, QColor(232, 186, 88));
    p.setPen(QPen(QColor(84, 50, 4), 1));
    p.setBrush(brass);
    p.drawRoundedRect(plate, 5, 5);
    p.setPen(QPen(QColor(255, 240, 190, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2, 2, -2, -2), 3.5, 3.5);
    QPainterPath maker = TextPath(SerifFont(28, true), QStringLiteral("Ostrelwyn"), 0.6);
    maker = FitPath(maker, plate.adjusted(16, 8, -16, -8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 244, 200, 200));
    p.drawPath(maker.translated(0.8, 0.8));
    p.setBrush(QColor(70, 38, 6));
    p.drawPath(maker);
    for (const QPointF s :
         {plate.topLeft() + QPointF(6, 6), plate.topRight() + QPointF(-6, 6),
          plate.bottomLeft() + QPointF(6, -6), plate.bottomRight() + QPointF(-6, -6)}) {
        QRadialGradient screw(s - QPointF(0.6, 0.6), 2.6);
        screw.setColorAt(0, QColor(255, 240, 200));
        screw.setColorAt(1, QColor(120, 80, 20));
        p.setPen(QPen(QColor(70, 40, 0), 0.6));
        p.setBrush(screw);
        p.drawEllipse(s, 2.2, 2.2);
        p.setPen(QPen(QColor(70, 40, 0), 0.8));
        p.drawLine(s + QPointF(-1.4, 1.0), s + QPointF(1.4, -1.0));
    }
    PaintBevel(p, QRectF(img.rect()), 3, 90, 160);
    return img;
}

} // namespace quintaro::artwork
