#pragma once
// The pattern of a hold: what the held cards are in the words of a strategy
// list (a made hand, four to a royal, a pair of Jacks, three to a straight
// flush with one gap and one high card, ...). Patterns are small numbers, so a
// list is a table from pattern to position. In Deuces Wild the number of Twos
// held is part of the pattern and the rest describes the naturals held.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/card.h"

namespace quintaro::generate {

using PatternKey = std::uint16_t;
inline constexpr int kPatternKeys = 1 << 16;
inline constexpr PatternKey kNoPattern = 0; // a hold no list names
PatternKey RedrawPattern();

// The pattern of holding the cards of mask (bit i = cards[i]) in a game.
PatternKey PatternOf(int game, const std::array<Card, 5>& cards, int mask);

// The holds of a deal with a pattern, one hold per pattern: where several holds
// share a pattern, the one whose discards share fewer suits with the held
// cards, then one fixed by the ranks each suit holds and discards (so deals
// that differ only in suit names keep corresponding holds).
struct DealPatterns {
    int count = 0;
    std::array<PatternKey, 32> key{};
    std::array<std::uint8_t, 32> mask{};
};
void PatternsOfDeal(int game, const std::array<Card, 5>& cards, DealPatterns& out);

// Patterns of one family may share an entry ("Pair JJ-AA", "KQs, KJs").
int FamilyOf(PatternKey key);
// The text of an entry made of patterns of one family, in list order.
std::string EntryText(int game, const std::vector<PatternKey>& patterns);

} // namespace quintaro::generate
