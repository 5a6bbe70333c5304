#pragma once
// Card faces for the record's windows, drawn from the game's card sheets
// (the scheme's files or the built-in sheets) the way the game screens draw
// them, with transparent corners so they sit on any background.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>
#include <cstdint>

#include "core/card.h"

namespace quintaro {

class CardPictures {
public:
    // schemeDir: the scheme folder of the game screens, or empty for the built-in look.
    explicit CardPictures(const QString& schemeDir = QString());

    // A 120 x 180 face; a Two of Deuces Wild carries the wild-card picture.
    QImage Face(Card card, int game) const;
    QImage Back() const;
    // Five faces side by side at `cardWidth` pixels each; positions in
    // `marked` (a position mask) get a yellow frame.
    QPixmap Row(const std::array<Card, 5>& cards, int game, int cardWidth,
                std::uint8_t marked = 0) const;

private:
    QImage Cut(const QImage& sheet, int left, int top, int right, int bottom) const;

    QImage m_cards;
    QImage m_ranks;
};

// "A♥ K♥ Q♥", or "nothing" for an empty hold.
QString HoldText(const std::array<Card, 5>& cards, int mask);

} // namespace quintaro
