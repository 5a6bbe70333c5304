// The card sheet, the rank glyphs and the card outline.

#include <QPainter>
#include <QtMath>

#include <cmath>

#include "art.h"

namespace quintaro::artwork {

namespace {

const QColor kRed(204, 18, 32);
const QColor kInk(18, 18, 24);
const QColor kRim(46, 46, 56);
const QColor kGold(226, 174, 38);
const QColor kGoldDark(160, 112, 20);
const QColor kNavy(28, 44, 112);
const QColor kCrimson(186, 24, 40);
const QColor kSkin(250, 214, 174);
const QColor kCream(253, 248, 232);
const QColor kOutline(16, 14, 18);

void Shape(QPainter& p, const QPainterPath& path, const QColor& fill, double pen = 1.0) {
    p.setPen(pen > 0 ? QPen(kOutline, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                     : QPen(Qt::NoPen));
    p.setBrush(fill);
    p.drawPath(path);
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), rx, ry);
    return p;
}

QPainterPath Poly(std::initializer_list<QPointF> pts) {
    QPainterPath p;
    bool first = true;
    for (const QPointF& q : pts) {
        if (first)
            p.moveTo(q);
        else
            p.lineTo(q);
        first = false;
    }
    p.closeSubpath();
    return p;
}

// The card's own area: everything inside the rounded outline, pixel for pixel as the mask.
void FillCardOutline(QPainter& p, int ox, int oy, QColor inside, QColor outside) {
    QImage card(sheets::kCardWidth, sheets::kCardHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheets::kCardHeight; ++y)
        for (int x = 0; x < sheets::kCardWidth; ++x)
            card.setPixel(x, y, sheets::InsideCardOutline(x, y) ? inside.rgb() : outside.rgb());
    p.drawImage(ox, oy, card);
}

QPainterPath CardInner(double ox, double oy, double inset) {
    QPainterPath p;
    const double r = sheets::kCardCornerRadius - inset * 0.8;
    p.addRoundedRect(QRectF(ox + inset, oy + inset, sheets::kCardWidth - 2 * inset,
                            sheets::kCardHeight - 2 * inset),
                     r, r);
    return p;
}

void DrawBlankFace(QPainter& p, int ox, int oy) {
    FillCardOutline(p, ox, oy, kRim, Qt::black);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(CardInner(ox, oy, 1.0));
}

void DrawBack(QPainter& p, int ox, int oy, QColor field, QColor lattice, QColor trim) {
    DrawBlankFace(p, ox, oy);
    const QRect panel(ox + 6, oy + 6, sheets::kCardWidth - 12, sheets::kCardHeight - 12);
    QPainterPath panelPath;
    panelPath.addRoundedRect(QRectF(panel), 3.5, 3.5);
    p.setBrush(field);
    p.drawPath(panelPath);

    // A fine diagonal lattice, pixel-exact so it stays crisp.
    p.save();
    p.setClipPath(panelPath);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(lattice, 1));
    const int span = panel.width() + panel.height();
    for (int k = -span; k <= span; k += 6) {
        p.drawLine(panel.left() + k, panel.top(), panel.left() + k + panel.height(),
                   panel.bottom());
        p.drawLine(panel.left() + k, panel.bottom(), panel.left() + k + panel.height(),
                   panel.top());
    }
    // Small trim-coloured knots where the lines cross.
    p.setPen(trim);
    for (int k = -span; k <= span; k += 6)
        for (int j = -span; j <= span; j += 6) {
            // Crossings of x - y = k and x + y = j (panel coordinates).
            if (((k + j) & 1) != 0) continue;
            const int x = (k + j) / 2;
            const int y = (j - k) / 2;
            if (x >= 0 && y >= 0 && x < panel.width() && y < panel.height())
                p.drawPoint(panel.left() + x, panel.bottom() - (panel.height() - 1 - y));
        }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(trim, 1));
    p.drawRoundedRect(QRectF(panel).adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
    p.setPen(QPen(field.darker(160), 1));
    p.drawRoundedRect(QRectF(panel).adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);

    // The name plate in the middle.
    const QRectF plate(ox + 13.5, oy + 73.5, 93, 33);
    p.setPen(QPen(trim, 1.5));
    p.setBrush(field.darker(170));
    p.drawRoundedRect(plate, 7, 7);
    p.setPen(QPen(trim.darker(150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);
    const QPainterPath name = FitPath(TextPath(SerifFont(22, true), QStringLiteral("Quintaro")),
                                      plate.adjusted(9, 8, -9, -8));
    p.setPen(QPen(QColor(0, 0, 0, 150), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(0.6, 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(trim.lighter(115));
    p.drawPath(name);

    // Two small suit marks above and below the plate.
    for (int i = 0; i < 2; ++i) {
        const QPainterPath s =
            SuitPath(i == 0 ? 3 : 0, QRectF(ox + 53, oy + (i == 0 ? 56 : 112), 14, 13));
        p.setPen(QPen(field.darker(170), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
        p.setPen(Qt::NoPen);
        p.setBrush(trim);
        p.drawPath(s);
    }
}

// ---- court pictures: one flat style, gold, navy and crimson with black outlines ---------

void PictureFrame(QPainter& p, const QRectF& c) {
    p.setPen(QPen(kNavy, 1));
    p.setBrush(kGold);
    p.drawRect(c.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(kGoldDark, 1));
    p.setBrush(kCream);
    p.drawRect(c.adjusted(3.5, 3.5, -3.5, -3.5));
}

QPainterPath Shoulders(const QRectF& c, double top, double spread) {
    const double cx = c.center().x();
    QPainterPath robe;
    robe.moveTo(c.left() + 4, c.bottom() - 4);
    robe.cubicTo(c.left() + 5, top + 8, cx - spread, top, cx, top);
    robe.cubicTo(cx + spread, top, c.right() - 5, top + 8, c.right() - 4, c.bottom() - 4);
    robe.closeSubpath();
    return robe;
}

void Face(QPainter& p, double cx, double cy, bool beard) {
    Shape(p, Ellipse(cx, cy, 8.2, 10.2), kSkin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 140, 130, 110));
    p.drawEllipse(QPointF(cx - 4.6, cy + 2.6), 1.9, 1.4);
    p.drawEllipse(QPointF(cx + 4.6, cy + 2.6), 1.9, 1.4);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(cx - 3.3, cy - 1.2), 1.1, 1.1);
    p.drawEllipse(QPointF(cx + 3.3, cy - 1.2), 1.1, 1.1);
    p.setPen(QPen(kOutline, 0.9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(cx - 5.2, cy - 3.9), QPointF(cx - 1.6, cy - 3.6));
    p.drawLine(QPointF(cx + 1.6, cy - 3.6), QPointF(cx + 5.2, cy - 3.9));
    p.drawLine(QPointF(cx, cy - 0.5), QPointF(cx - 0.8, cy + 2.8));
    if (!beard) {
        p.setPen(QPen(kCrimson, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx - 2.0, cy + 5.2), QPointF(cx + 2.0, cy + 5.2));
    }
}

void Crown(QPainter& p, double cx, double base, double width, double height, int points,
           QColor jewel) {
    QPainterPath c;
    const double l = cx - width / 2;
    c.moveTo(l, base);
    for (int i = 0; i < points; ++i) {
        const double x0 = l + width * i / points;
        const double x1 = l + width * (i + 0.5) / points;
        c.lineTo(x0, base - height * 0.45);
        c.lineTo(x1, base - height);
        (void)x1;
    }
    c.lineTo(l + width, base - height * 0.45);
    c.lineTo(l + width, base);
    c.closeSubpath();
    Shape(p, c, kGold);
    QPainterPath band;
    band.addRect(QRectF(l, base - 3.2, width, 3.2));
    Shape(p, band, kGoldDark, 0.8);
    for (int i = 0; i < points; ++i) {
        const double x = l + width * (i + 0.5) / points;
        Shape(p, Ellipse(x, base - height, 1.3, 1.3), jewel, 0.6);
    }
    Shape(p, Ellipse(cx, base - 1.6, 1.5, 1.2), jewel, 0.6);
}

void DrawJack(QPainter& p, const QRectF& c) {
    PictureFrame(p, c);
    p.save();
    p.setClipRect(c.adjusted(4, 4, -4, -4));
    const double cx = c.center().x();
    Shape(p, Shoulders(c, c.top() + 51, 16), kCrimson);
    // Gold V collar and navy trim.
    Shape(p,
          Poly({{cx - 12, c.top() + 53},
                {cx, c.top() + 66},
                {cx + 12, c.top() + 53},
                {cx + 7, c.top() + 51},
                {cx, c.top() + 59},
                {cx - 7, c.top() + 51}}),
          kGold);
    Shape(p,
          Poly({{cx - 2, c.top() + 62},
                {cx + 2, c.top() + 62},
                {cx + 2, c.bottom()},
                {cx - 2, c.bottom()}}),
          kNavy, 0.8);
    // Neck and face under a bob of golden hair.
    Shape(p,
          Poly({{cx - 4, c.top() + 42},
                {cx + 4, c.top() + 42},
                {cx + 4, c.top() + 53},
                {cx - 4, c.top() + 53}}),
          kSkin);
    QPainterPath hair;
    hair.moveTo(cx - 11, c.top() + 46);
    hair.cubicTo(cx - 14, c.top() + 30, cx - 8, c.top() + 21, cx, c.top() + 21);
    hair.cubicTo(cx + 8, c.top() + 21, cx + 14, c.top() + 30, cx + 11, c.top() + 46);
    hair.lineTo(cx + 7, c.top() + 46);
    hair.lineTo(cx - 7, c.top() + 46);
    hair.closeSubpath();
    Shape(p, hair, QColor(214, 150, 42));
    Face(p, cx, c.top() + 34, false);
    // A navy beret with a crimson band and a gold feather.
    QPainterPath cap;
    cap.moveTo(cx - 13, c.top() + 25);
    cap.cubicTo(cx - 14, c.top() + 13, cx + 12, c.top() + 11, cx + 14, c.top() + 23);
    cap.closeSubpath();
    Shape(p, cap, kNavy);
    Shape(p,
          Poly({{cx - 13, c.top() + 22.5},
                {cx + 14, c.top() + 20.5},
                {cx + 14, c.top() + 24},
                {cx - 13, c.top() + 26}}),
          kCrimson, 0.8);
    QPainterPath feather;
    feather.moveTo(cx + 8, c.top() + 20);
    feather.cubicTo(cx + 14, c.top() + 8, cx + 20, c.top() + 6, cx + 23, c.top() + 7);
    feather.cubicTo(cx + 19, c.top() + 11, cx + 16, c.top() + 16, cx + 11, c.top() + 21);
    feather.closeSubpath();
    Shape(p, feather, kGold, 0.8);
    p.restore();
}

void DrawQueen(QPainter& p, const QRectF& c) {
    PictureFrame(p, c);
    p.save();
    p.setClipRect(c.adjusted(4, 4, -4, -4));
    const double cx = c.center().x();
    // Long dark hair behind the shoulders.
    QPainterPath hair;
    hair.moveTo(cx - 12, c.top() + 55);
    hair.cubicTo(cx - 15, c.top() + 34, cx - 10, c.top() + 22, cx, c.top() + 22);
    hair.cubicTo(cx + 10, c.top() + 22, cx + 15, c.top() + 34, cx + 12, c.top() + 55);
    hair.closeSubpath();
    Shape(p, hair, QColor(92, 46, 22));
    Shape(p, Shoulders(c, c.top() + 52, 15), kNavy);
    // Crimson bodice with a gold neckline.
    Shape(p,
          Poly({{cx - 10, c.top() + 54},
                {cx + 10, c.top() + 54},
                {cx + 7, c.bottom()},
                {cx - 7, c.bottom()}}),
          kCrimson);
    QPainterPath neckline;
    neckline.moveTo(cx - 11, c.top() + 53);
    neckline.quadTo(cx, c.top() + 63, cx + 11, c.top() + 53);
    neckline.lineTo(cx + 9, c.top() + 52);
    neckline.quadTo(cx, c.top() + 59, cx - 9, c.top() + 52);
    neckline.closeSubpath();
    Shape(p, neckline, kGold, 0.8);
    Shape(p,
          Poly({{cx - 3.5, c.top() + 43},
                {cx + 3.5, c.top() + 43},
                {cx + 3.5, c.top() + 54},
                {cx - 3.5, c.top() + 54}}),
          kSkin);
    Face(p, cx, c.top() + 35, false);
    Crown(p, cx, c.top() + 26, 18, 10, 3, kCrimson);
    // A rose held before the gown.
    Shape(p,
          Poly({{c.right() - 16, c.top() + 58},
                {c.right() - 13, c.top() + 58},
                {c.right() - 17, c.bottom()},
                {c.right() - 20, c.bottom()}}),
          QColor(40, 130, 60), 0.7);
    Shape(p, Ellipse(c.right() - 14.5, c.top() + 56, 4.2, 4.0), kCrimson);
    Shape(p, Ellipse(c.right() - 14.5, c.top() + 56, 1.6, 1.5), QColor(240, 90, 100), 0.5);
    p.restore();
}

void DrawKing(QPainter& p, const QRectF& c) {
    PictureFrame(p, c);
    p.save();
    p.setClipRect(c.adjusted(4, 4, -4, -4));
    const double cx = c.center().x();
    Shape(p, Shoulders(c, c.top() + 50, 17), kCrimson);
    // Ermine collar: white with black tails.
    QPainterPath collar;
    collar.moveTo(cx - 17, c.top() + 56);
    collar.quadTo(cx, c.top() + 46, cx + 17, c.top() + 56);
    collar.lineTo(cx + 15, c.top() + 61);
    collar.quadTo(cx, c.top() + 54, cx - 15, c.top() + 61);
    collar.closeSubpath();
    Shape(p, collar, Qt::white);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = -2; i <= 2; ++i) p.drawRect(QRectF(cx + i * 6 - 0.6, c.top() + 54.5, 1.3, 2.6));
    // Navy tunic down the middle with a gold chain.
    Shape(p,
          Poly({{cx - 5, c.top() + 59},
                {cx + 5, c.top() + 59},
                {cx + 6, c.bottom()},
                {cx - 6, c.bottom()}}),
          kNavy, 0.8);
    Shape(p, Ellipse(cx, c.top() + 64, 2.2, 2.2), kGold, 0.7);
    Shape(p,
          Poly({{cx - 3.5, c.top() + 42},
                {cx + 3.5, c.top() + 42},
                {cx + 3.5, c.top() + 51},
                {cx - 3.5, c.top() + 51}}),
          kSkin);
    Face(p, cx, c.top() + 34, true);
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(cx - 8, c.top() + 34);
    beard.cubicTo(cx - 8, c.top() + 44, cx - 4, c.top() + 51, cx, c.top() + 52);
    beard.cubicTo(cx + 4, c.top() + 51, cx + 8, c.top() + 44, cx + 8, c.top() + 34);
    beard.cubicTo(cx + 6, c.top() + 40, cx + 3, c.top() + 39, cx, c.top() + 39);
    beard.cubicTo(cx - 3, c.top() + 39, cx - 6, c.top() + 40, cx - 8, c.top() + 34);
    beard.closeSubpath();
    Shape(p, beard, QColor(120, 72, 34));
    Crown(p, cx, c.top() + 25, 22, 12, 5, kNavy);
    // The sceptre at his side.
    Shape(p,
          Poly({{c.left() + 9, c.bottom() - 4},
                {c.left() + 11.5, c.bottom() - 4},
                {c.left() + 11.5, c.top() + 40},
                {c.left() + 9, c.top() + 40}}),
          kGold, 0.7);
    Shape(p, Ellipse(c.left() + 10.25, c.top() + 38, 3.2, 3.2), kGold, 0.8);
    Shape(p, Ellipse(c.left() + 10.25, c.top() + 38, 1.2, 1.2), kCrimson, 0.5);
    p.restore();
}

QPainterPath Star(QPointF centre, double outer, double inner, int points, double turn = 0) {
    QPainterPath s;
    for (int i = 0; i < 2 * points; ++i) {
        const double a = -M_PI / 2 + turn + M_PI * i / points;
        const double r = (i % 2) ? inner : outer;
        const QPointF q(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            s.moveTo(q);
        else
            s.lineTo(q);
    }
    s.closeSubpath();
    return s;
}

void DrawAce(QPainter& p, const QRectF& c) {
    PictureFrame(p, c);
    p.save();
    p.setClipRect(c.adjusted(4, 4, -4, -4));
    const QPointF m(c.center().x(), c.top() + 42);
    // A laurel of gold leaves around a navy medallion with a crimson star, under a crown.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 6; ++i) {
            const double a = M_PI / 2 + side * (0.35 + i * 0.42);
            const QPointF q(m.x() + 20 * std::cos(a), m.y() + 19 * std::sin(a));
            QPainterPath leaf;
            leaf.addEllipse(QPointF(0, 0), 4.2, 1.9);
            QTransform t;
            t.translate(q.x(), q.y());
            t.rotateRadians(a + side * M_PI / 2 * 0.9);
            Shape(p, t.map(leaf), i % 2 ? kGold : QColor(70, 140, 60), 0.7);
        }
    }
    Shape(p, Ellipse(m.x(), m.y(), 14.5, 14.5), kGold);
    Shape(p, Ellipse(m.x(), m.y(), 11.5, 11.5), kNavy);
    Shape(p, Star(m, 9.5, 4.0, 5), kCrimson, 0.8);
    Shape(p, Ellipse(m.x(), m.y(), 2.2, 2.2), kGold, 0.6);
    Crown(p, m.x(), c.top() + 24, 20, 10, 3, kCrimson);
    // A crimson bow where the laurel stems meet.
    const QPointF k(m.x(), c.top() + 64);
    Shape(p, Poly({k, {k.x() - 7, k.y() - 3.5}, {k.x() - 7, k.y() + 3.5}}), kCrimson, 0.8);
    Shape(p, Poly({k, {k.x() + 7, k.y() - 3.5}, {k.x() + 7, k.y() + 3.5}}), kCrimson, 0.8);
    Shape(p, Ellipse(k.x(), k.y(), 2.0, 2.0), kCrimson, 0.8);
    p.restore();
}

void DrawWild(QPainter& p, const QRectF& c, bool red) {
    const QPointF m = c.center();
    const QColor body = red ? QColor(214, 26, 30) : QColor(26, 26, 32);
    const QColor edge = red ? QColor(110, 0, 8) : kGold;
    const QColor ray = red ? QColor(255, 206, 60) : QColor(200, 40, 40);
    // The outer burst in the accent colour, the body over it.
    Shape(p, Star(m, 30, 22.5, 16, M_PI / 16), ray, 1.0);
    Shape(p, Star(m, 25.5, 20, 16), body, 0);
    p.setPen(QPen(edge, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(m, 18.5, 18.5);
    QPainterPath word = FitPath(TextPath(SansFont(20, true), QStringLiteral("WILD")),
                                QRectF(m.x() - 17, m.y() - 7.5, 34, 15), false);
    QTransform t;
    t.translate(m.x(), m.y());
    t.rotate(-12);
    t.translate(-m.x(), -m.y());
    word = t.map(word);
    p.setPen(QPen(red ? QColor(90, 0, 0) : QColor(0, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(word);
    p.setPen(Qt::NoPen);
    p.setBrush(red ? QColor(255, 255, 255) : QColor(250, 206, 64));
    p.drawPath(word);
}

} // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
    static const QChar glyphs[4] = {QChar(0x2665), QChar(0x2666), QChar(0x2663), QChar(0x2660)};
    return FitPath(TextPath(SymbolFont(64), QString(glyphs[suit])), box);
}

QImage DrawPokerGraphics() {
    QImage img = NewSheet(sheets::Sheet::PokerGraphics, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int s = 0; s < 4; ++s) {
        const QColor colour = sheets::IsRedSuit(s) ? kRed : kInk;
        const QRect big = ToQRect(sheets::LargeSuit(s));
        p.fillRect(big, Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(SuitPath(s, QRectF(big).adjusted(4, 4, -4, -4)));
        const QRect small = ToQRect(sheets::SmallSuit(s));
        p.fillRect(small, Qt::white);
        p.drawPath(SuitPath(s, QRectF(small).adjusted(4, 3.5, -4, -4.5)));
    }
    for (int slot = 0; slot < 6; ++slot) {
        const QRect cell = ToQRect(sheets::PictureSlot(slot));
        p.fillRect(cell, Qt::white);
        switch (slot) {
        case 0:
            DrawJack(p, cell);
            break;
        case 1:
            DrawQueen(p, cell);
            break;
        case 2:
            DrawKing(p, cell);
            break;
        case 3:
            DrawAce(p, cell);
            break;
        case 4:
            DrawWild(p, cell, true);
            break;
        case 5:
            DrawWild(p, cell, false);
            break;
        }
    }
    DrawBlankFace(p, sheets::kBlankFace.left, sheets::kBlankFace.top);
    DrawBack(p, sheets::kCardBack.left, sheets::kCardBack.top, QColor(22, 40, 110),
             QColor(92, 132, 222), QColor(232, 188, 72));
    DrawBack(p, sheets::kSecondBack.left, sheets::kSecondBack.top, QColor(120, 14, 30),
             QColor(222, 96, 112), QColor(236, 196, 92));
    return img;
}

QImage DrawCrdValue() {
    QImage img = NewSheet(sheets::Sheet::CrdValue, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    static const char* const kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                           "8", "9", "10", "J", "Q", "K"};
    const QFont font = SerifFont(40, true);
    // One common cap height for every glyph, from the letter A.
    const QRectF capBox = TextPath(font, QStringLiteral("A")).boundingRect();
    for (int red = 0; red < 2; ++red) {
        for (int r = 0; r < 13; ++r) {
            const QRectF cell = QRectF(ToQRect(sheets::RankGlyph(r, red == 1)));
            QPainterPath glyph = TextPath(font, QString::fromLatin1(kRanks[r]));
            // The tail of the Q is shortened so that it stays inside the cell.
            for (int i = 0; i < glyph.elementCount(); ++i) {
                const QPainterPath::Element e = glyph.elementAt(i);
                if (e.y > 0) glyph.setElementPositionAt(i, e.x, e.y * 0.45);
            }
            const QRectF b = glyph.boundingRect();
            const double height = 27.0;
            double sy = height / capBox.height();
            double sx = sy;
            if (b.width() * sx > 40.0) sx = 40.0 / b.width(); // "10" is narrowed to fit
            QTransform t;
            t.translate(cell.center().x(), cell.top() + 2.5 + height);
            t.scale(sx, sy);
            t.translate(-b.center().x(), 0);
            glyph = t.map(glyph);
            p.setPen(Qt::NoPen);
            p.setBrush(red ? kRed : kInk);
            p.drawPath(glyph);
        }
    }
    return img;
}

QImage DrawMask() {
    QImage img = NewSheet(sheets::Sheet::Mask, Qt::white);
    const sheets::CellRect c = sheets::kMaskCell;
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (sheets::InsideCardOutline(x, y)) img.setPixel(c.left + x, c.top + y, kPureBlack);
    return img;
}

} // namespace quintaro::artwork
