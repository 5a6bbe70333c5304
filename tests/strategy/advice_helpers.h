#pragma once
// Helpers for the strategy tests: hands written as card names, holds written
// as five 0/1 characters by position.

#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>

#include "core/game_variant.h"
#include "strategy/classifier.h"

namespace quintaro::testing {

inline std::array<Card, 5> Cards(const std::string& text) {
    std::istringstream in(text);
    std::array<Card, 5> cards{};
    for (Card& c : cards) {
        std::string word;
        in >> word;
        const auto parsed = ParseCard(word);
        EXPECT_TRUE(parsed.has_value()) << "bad card " << word;
        c = parsed.value_or(0);
    }
    return cards;
}

inline std::string Flags(const std::array<std::uint8_t, 5>& f) {
    std::string s;
    for (std::uint8_t v : f) s += v ? '1' : '0';
    return s;
}

struct Advice {
    HandAnalysis analysis;
    Recommendation rec;
    std::string name;
    std::string hold;
    std::string alt; // "-" without an alternative
};

inline Advice Advise(int game, int choice, const std::string& hand) {
    Advice a;
    AdviseHand(game, choice, Cards(hand), a.analysis, a.rec);
    a.name = StrategyListFor(game, choice).Entry(a.rec.strategyIndex).name;
    a.hold = Flags(a.rec.hold);
    a.alt = a.rec.altValid ? Flags(a.rec.altHolds) : "-";
    return a;
}

// One expected classification: the entry, its rank, the hold and the alternative.
struct Case {
    int game;
    int choice;
    const char* hand;
    const char* name;
    int rank;
    const char* hold;
    const char* alt = "-";
};

inline std::ostream& operator<<(std::ostream& os, const Case& c) {
    return os << "game " << c.game << "/" << c.choice << " [" << c.hand << "]";
}

inline void Check(const Case& c) {
    const Advice a = Advise(c.game, c.choice, c.hand);
    EXPECT_EQ(a.name, c.name) << c;
    EXPECT_EQ(a.rec.strategyIndex, c.rank) << c;
    EXPECT_EQ(a.hold, c.hold) << c;
    EXPECT_EQ(a.alt, c.alt) << c;
}

} // namespace quintaro::testing
