#include <gtest/gtest.h>

#include "core/game_engine.h"
#include "core/pay_table.h"

namespace quintaro {
namespace {

TEST(PayTables, RoyalRuleAtFourAndFiveCoins) {
    PayTables t;
    t.ApplyRoyalRule(kJacksOrBetter, 4);
    EXPECT_EQ(t.Payout(kJacksOrBetter, 9, 4), 1000);
    t.ApplyRoyalRule(kJacksOrBetter, 5);
    EXPECT_EQ(t.Payout(kJacksOrBetter, 9, 5), 4000);
    t.ApplyRoyalRule(kJacksOrBetter, 1);
    EXPECT_EQ(t.Payout(kJacksOrBetter, 9, 1), 250);
    // Every game's top hand pays 4000 for five coins.
    for (int g = 0; g < kGameCount; ++g) {
        t.ApplyRoyalRule(g, 5);
        const int top = CategoryCount(GameInfoFor(g).family) - 1;
        EXPECT_EQ(t.Payout(g, top, 5), 4000) << g;
    }
}

TEST(PayTables, FullHouseOnBothJacksTables) {
    PayTables t;
    EXPECT_EQ(t.Payout(kJacksOrBetter, 6, 3), 24);
    t.Apply(kJacksOrBetter, 1);
    EXPECT_EQ(t.Payout(kJacksOrBetter, 6, 3), 27);
    EXPECT_EQ(t.Payout(kJacksOrBetter, 5, 1), 6);
}

TEST(PayTables, TripleDoubleAcesWithKickerAndRoyal) {
    PayTables t;
    t.ApplyRoyalRule(kTripleDoubleBonus, 4);
    EXPECT_EQ(t.Payout(kTripleDoubleBonus, 12, 4), 1600);
    t.ApplyRoyalRule(kTripleDoubleBonus, 5);
    EXPECT_EQ(t.Payout(kTripleDoubleBonus, 12, 5), 4000);
    t.ApplyRoyalRule(kTripleDoubleBonus, 1);
    EXPECT_EQ(t.Payout(kTripleDoubleBonus, 13, 1), 400);
    EXPECT_EQ(t.Payout(kTripleDoubleBonus, 12, 1), 400);
}

TEST(PayTables, DeucesWildFourDeucesHaveNoFiveCoinBonus) {
    PayTables t;
    t.ApplyRoyalRule(kDeucesWild, 5);
    EXPECT_EQ(t.Payout(kDeucesWild, 9, 5), 1000);
    EXPECT_EQ(t.Payout(kDeucesWild, 10, 5), 4000);
    EXPECT_EQ(t.Payout(kDeucesWild, 8, 5), 125);
}

TEST(PayTables, BonusPokerSecondTable) {
    PayTables t;
    t.Apply(kBonusPoker, 1);
    EXPECT_EQ(t.Row(kBonusPoker)[2], 1);
    EXPECT_EQ(t.Row(kBonusPoker)[5], 8);
    EXPECT_EQ(t.Row(kBonusPoker)[4], 5);
    EXPECT_EQ(t.Row(kBonusPoker)[6], 10);
}

TEST(PayTables, SwitchingTwiceRestoresEveryEntryAndCell) {
    for (int g = 0; g < kGameCount; ++g) {
        for (int start = 0; start < 2; ++start) {
            PayTables t;
            t.Apply(g, start);
            const PayRow before = t.Row(g);
            const ChangedRows changed = t.Apply(g, 1 - start);
            EXPECT_GT(changed.count, 0);
            int differing = 0;
            for (int c = 0; c < kPayRowSize; ++c) differing += t.Row(g)[c] != before[c];
            EXPECT_EQ(differing, changed.count) << "game " << g;
            t.Apply(g, start);
            EXPECT_EQ(t.Row(g), before) << "game " << g;
            for (int c = 0; c < kPayRowSize; ++c)
                for (int k = 1; k <= 5; ++k) EXPECT_EQ(t.Cell(g, c, k), before[c] * k);
        }
    }
}

TEST(PayTables, EntriesBeyondTheLastCategoryAreZero) {
    PayTables t;
    for (int g = 0; g < kGameCount; ++g) {
        const int n = CategoryCount(GameInfoFor(g).family);
        EXPECT_EQ(t.Row(g)[0], 0);
        for (int c = 1; c < n; ++c) EXPECT_GT(t.Row(g)[c], 0) << g << ' ' << c;
        for (int c = n; c < kPayRowSize; ++c) EXPECT_EQ(t.Row(g)[c], 0) << g << ' ' << c;
    }
}

TEST(PayTables, NamesOfTheTables) {
    EXPECT_EQ(PayTableMenuCaption(kBonusPoker, 0), "8/5/4/3/2");
    EXPECT_EQ(PayTableMenuCaption(kBonusPoker, 1), "10/8/5/3/1");
    EXPECT_EQ(PayTableShortName(kBonusPoker, 1), "10/8");
    EXPECT_EQ(PayTableShortName(kDeucesWild, 1), "4/3");
    EXPECT_EQ(PayTableShortName(kSuperAces, 1), "7/5");
}

TEST(PayTables, EngineAppliesItsGamesRow) {
    PayTables t;
    GameEngine e(kJacksOrBetter, t);
    e.ApplyPayTable(1);
    EXPECT_EQ(e.altPayTable, 1);
    EXPECT_EQ(e.Payout(6, 1), 9);
    e.ApplyRoyalRule(5);
    EXPECT_EQ(e.Payout(9, 5), 4000);
    EXPECT_EQ(t.Row(kBonusDeluxe)[5], 6); // other games untouched
}

} // namespace
} // namespace quintaro
