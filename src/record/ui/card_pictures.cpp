#include "record/ui/card_pictures.h"

#include <QPainter>

#include "core/card.h"
#include "core/game_variant.h"
#include "media/sheet_geometry.h"
#include "media/sheet_loader.h"

namespace quintaro {

CardPictures::CardPictures(const QString& schemeDir) {
    SheetLoader& loader = SheetLoader::Instance();
    m_cards = loader.Image(sheets::Sheet::PokerGraphics, schemeDir);
    m_ranks = loader.Image(sheets::Sheet::CrdValue, schemeDir);
}

QImage CardPictures::Cut(const QImage& sheet, int left, int top, int right, int bottom) const {
    QImage card = sheet.copy(left, top, right - left, bottom - top)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (!sheets::InsideCardOutline(x, y)) card.setPixel(x, y, 0);
    return card;
}

QImage CardPictures::Back() const {
    const auto& r = sheets::kCardBack;
    return Cut(m_cards, r.left, r.top, r.right, r.bottom);
}

QImage CardPictures::Face(Card card, int game) const {
    const auto& b = sheets::kBlankFace;
    QImage face = Cut(m_cards, b.left, b.top, b.right, b.bottom);
    DrawCardParts(face, RankOf(card), SuitOf(card), game == kDeucesWild, m_cards, m_ranks);
    return face;
}

QPixmap CardPictures::Row(const std::array<Card, 5>& cards, int game, int cardWidth,
                          std::uint8_t marked) const {
    const int cardHeight = cardWidth * sheets::kCardHeight / sheets::kCardWidth;
    const int gap = 3;
    QPixmap row(5 * cardWidth + 4 * gap + 4, cardHeight + 4);
    row.fill(Qt::transparent);
    QPainter p(&row);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        const QRect at(2 + i * (cardWidth + gap), 2, cardWidth, cardHeight);
        p.drawImage(at, Face(cards[static_cast<std::size_t>(i)], game));
        if ((marked >> i) & 1) {
            p.setPen(QPen(QColor(255, 255, 0), 2));
            p.setBrush(Qt::NoBrush);
            p.drawRoundedRect(QRectF(at).adjusted(-1, -1, 1, 1), 3, 3);
        }
    }
    return row;
}

QString HoldText(const std::array<Card, 5>& cards, int mask) {
    QStringList held;
    for (int p = 0; p < 5; ++p) {
        if (!((mask >> p) & 1)) continue;
        const Card c = cards[static_cast<std::size_t>(p)];
        const std::string_view rank = RankText(RankOf(c));
        const std::string_view suit = SuitSymbol(SuitOf(c));
        held << QString::fromUtf8(rank.data(), static_cast<qsizetype>(rank.size())) +
                    QString::fromUtf8(suit.data(), static_cast<qsizetype>(suit.size()));
    }
    return held.isEmpty() ? QStringLiteral("nothing") : held.join(' ');
}

} // namespace quintaro
