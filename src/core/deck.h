#pragma once
// The deck and the five card positions of the table.

#include <array>
#include <cstdint>

#include "core/card.h"

namespace quintaro {

// Positions 1..count hold the undealt cards, count+1..52 the cards dealt this
// round. The order is a permutation of 0..51 and is never put back in order
// between rounds: each round starts from the order the previous one left.
struct Deck {
    std::int32_t count = 52;
    std::array<Card, kCardCount> cards; // cards[p - 1] is deck position p

    Deck() {
        for (int p = 0; p < kCardCount; ++p) cards[p] = p;
    }
    Card At(int position) const { return cards[static_cast<std::size_t>(position - 1)]; }
};

struct CardSlot {
    Card card = 0;
    bool held = false;
};

using Hand = std::array<CardSlot, 5>;

inline std::array<Card, 5> CardsOf(const Hand& hand) {
    return {hand[0].card, hand[1].card, hand[2].card, hand[3].card, hand[4].card};
}

// The hand shown when a game has no valid last hand: the royal flush in
// Spades, all held.
inline constexpr std::array<Card, 5> kFallbackHand{39, 51, 11, 23, 35};

} // namespace quintaro
