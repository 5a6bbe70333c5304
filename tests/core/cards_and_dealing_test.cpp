#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/card.h"
#include "core/game_engine.h"

namespace quintaro {
namespace {

TEST(Cards, NamesAndParsing) {
    EXPECT_EQ(CardName(0), "Ah");
    EXPECT_EQ(CardName(13), "Ad");
    EXPECT_EQ(CardName(1), "2d");
    EXPECT_EQ(CardName(14), "2c");
    EXPECT_EQ(CardName(51), "Ks");
    for (Card c = 0; c < kCardCount; ++c) {
        EXPECT_EQ(ParseCard(CardName(c)), c);
        EXPECT_EQ(ParseCard(std::to_string(c)), c);
    }
    EXPECT_EQ(ParseCard("10c"), CardOf(kTen, kClubs));
    EXPECT_EQ(ParseCard("tD"), CardOf(kTen, kDiamonds));
    EXPECT_EQ(ParseCard("as"), 39);
    for (const char* bad : {"", "52", "1x", "Zs", "11h", "AA", "-1", "Ahh", "100"})
        EXPECT_FALSE(ParseCard(bad).has_value()) << bad;
}

struct FixedClock {
    std::int64_t now;
    std::int64_t operator()() const { return now; }
};

bool IsPermutation(const Deck& d) {
    std::array<Card, kCardCount> sorted = d.cards;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < kCardCount; ++i)
        if (sorted[i] != i) return false;
    return true;
}

// An engine starts with the royal fallback hand, all held, over the ordered
// deck; the first deal fills the top positions of that deck.
TEST(Dealing, DealFromStartingOrderFillsTheTopPositions) {
    PayTables tables;
    GameEngine e(kJacksOrBetter, tables);
    EXPECT_EQ(CardsOf(e.hand), kFallbackHand);
    for (int p = 0; p < 5; ++p) EXPECT_TRUE(e.hand[p].held) << p;
    for (int p = 1; p <= 52; ++p) EXPECT_EQ(e.deck.At(p), p - 1);
    e.clock = FixedClock{1'700'000'000};
    e.DealHand();
    EXPECT_EQ(e.deck.count, 47);
    for (int p = 0; p < 5; ++p) EXPECT_EQ(e.deck.At(52 - p), e.hand[p].card) << p;
    EXPECT_TRUE(IsPermutation(e.deck));

    // The first card is the one the seeded source picks from the ordered deck;
    // the source's first values after seed 1 are fixed.
    RandomSource r;
    r.Seed(1);
    using Three = std::array<std::int32_t, 3>;
    EXPECT_EQ((Three{r.Next(), r.Next(), r.Next()}), (Three{346, 13854878, 1621890440}));
    r.Seed(static_cast<std::uint32_t>(1'700'000'000));
    EXPECT_EQ(e.hand[0].card, r.Next() % 52);
}

TEST(Dealing, ReplacementsNeverRepeatACardOfTheRound) {
    PayTables tables;
    GameEngine e(kDeucesWild, tables);
    for (std::int64_t t = 0; t < 3000; ++t) {
        e.clock = FixedClock{t * 7919};
        e.DealHand();
        std::set<Card> round;
        for (auto& s : e.hand) round.insert(s.card);
        ASSERT_EQ(round.size(), 5u);
        const int mask = static_cast<int>(t % 32);
        for (int p = 0; p < 5; ++p) e.hand[p].held = (mask >> p) & 1;
        e.DrawReplacements();
        int drawn = 0;
        for (int p = 0; p < 5; ++p) {
            if (e.hand[p].held) continue;
            ++drawn;
            EXPECT_TRUE(round.insert(e.hand[p].card).second) << "repeated card at t=" << t;
        }
        EXPECT_EQ(e.deck.count, 47 - drawn);
        ASSERT_TRUE(IsPermutation(e.deck));
    }
}

TEST(Dealing, SameSecondReseedsButTheDeckOrderCarriesOver) {
    PayTables tables;
    GameEngine a(kJacksOrBetter, tables), b(kJacksOrBetter, tables);
    a.clock = b.clock = FixedClock{1'234'567};
    a.DealHand();
    b.DealHand();
    // Two fresh screens dealt in the same second deal the same cards.
    for (int p = 0; p < 5; ++p) EXPECT_EQ(a.hand[p].card, b.hand[p].card);
    // A second round in the same second starts from a different deck order.
    const Hand first = a.hand;
    a.DealHand();
    EXPECT_NE(CardsOf(a.hand), CardsOf(first));
}

} // namespace
} // namespace quintaro
