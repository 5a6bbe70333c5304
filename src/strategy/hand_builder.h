#pragma once
// The hand builder's logic: five cards picked one at a time from the 52, and
// the strategy's judgement of the finished hand for a game, pay table and
// coins bet: which cards to hold, the entry's name and rank, and its value.
//
// The judgement runs on its own analysis record and recommendation, so the
// advice for the hand waiting on the table stays as it was.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/card.h"

namespace quintaro {

class BuiltHand {
public:
    enum class Pick {
        Added, // the card went into the next place
        Taken, // the card is already in the hand
        Full,  // five cards are picked
    };

    Pick Add(Card card);
    void Clear();

    int Count() const { return count_; }
    bool Complete() const { return count_ == 5; }
    bool IsTaken(Card card) const;
    // The card in place 0..4 (places at and beyond Count() hold no card).
    Card At(int place) const { return cards_[static_cast<std::size_t>(place)]; }
    const std::array<Card, 5>& Cards() const { return cards_; }

private:
    std::array<Card, 5> cards_{};
    std::array<bool, kCardCount> taken_{};
    int count_ = 0;
};

struct BuiltHandResult {
    std::array<bool, 5> hold{}; // by place
    std::int32_t rank = 0;      // 1-based entry of the strategy list
    std::string name;           // the entry's name
    std::string rankText;       // the rank as a decimal integer
    std::string valueText;      // the entry's value, "##0.0000" (FormatStrategyValue)
};

// Judges five cards for a game (0..8), pay-table choice (0, 1) and coins (1..5).
BuiltHandResult JudgeBuiltHand(int game, int choice, int coins, const std::array<Card, 5>& cards);

// The builder's title, also the strategy table's after "Strategy Table for ":
// "(9/6) Jacks or Better".
std::string HandBuilderTitle(int game, int choice, std::string_view gameName);

} // namespace quintaro
