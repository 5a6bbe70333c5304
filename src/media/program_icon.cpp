#include "media/program_icon.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "media/embedded_fonts.h"

namespace quintaro {

void PaintProgramIcon(QPainter& p, double size) {
    RegisterEmbeddedFonts();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    // A card with a red heart and a gold Q, leaning on a second card.
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(20, 70, 140));
    p.drawRoundedRect(QRectF(2.5, 4.5, 18, 25), 3, 3);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(11.5, 2.5, 18, 26), 3, 3);
    QPainterPath heart;
    heart.moveTo(20.5, 24);
    heart.cubicTo(13, 18, 15, 12, 20.5, 15.5);
    heart.cubicTo(26, 12, 28, 18, 20.5, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 20, 30));
    p.drawPath(heart);
    // The letter centred in the card's upper box as text would be, drawn as its outline.
    const QFont font = EmbeddedFont(kSansFamily, 11, QFont::Bold);
    const QFontMetricsF metrics(font);
    const QRectF box(12, 2, 10, 12);
    const QString letter = QStringLiteral("Q");
    QPainterPath q;
    q.addText(box.left() + (box.width() - metrics.horizontalAdvance(letter)) / 2,
              box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent(), font, letter);
    p.setBrush(QColor(150, 110, 0));
    p.drawPath(q);
    p.restore();
}

QImage ProgramIconImage(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    PaintProgramIcon(p, size);
    return icon;
}

} // namespace quintaro
