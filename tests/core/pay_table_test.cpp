#include <gtest/gtest.h>

#include "core/game_engine.h"
#include "core/pay_table.h"

namespace quintaro {
namespace {

// Entries that differ between games and tables, and the royal rule: the top hand
// pays its five-coin bonus only at five coins; Four Deuces have none.
TEST(PayTables, KnownPayoutsAndTheRoyalRule) {
    struct Case {
        int game, table, category, coins, pays;
    };
    const Case cases[] = {
        {kJacksOrBetter, 0, 9, 4, 1000},
        {kJacksOrBetter, 0, 9, 5, 4000},
        {kJacksOrBetter, 0, 9, 1, 250},
        {kJacksOrBetter, 0, 6, 3, 24},
        {kJacksOrBetter, 1, 6, 3, 27},
        {kJacksOrBetter, 1, 5, 1, 6},
        {kTripleDoubleBonus, 0, 12, 4, 1600},
        {kTripleDoubleBonus, 0, 12, 5, 4000},
        {kTripleDoubleBonus, 0, 13, 1, 400},
        {kTripleDoubleBonus, 0, 12, 1, 400},
        {kDeucesWild, 0, 9, 5, 1000},
        {kDeucesWild, 0, 10, 5, 4000},
        {kDeucesWild, 0, 8, 5, 125},
        {kBonusPoker, 1, 2, 1, 1},
        {kBonusPoker, 1, 4, 1, 5},
        {kBonusPoker, 1, 5, 1, 8},
        {kBonusPoker, 1, 6, 1, 10},
    };
    for (const Case& c : cases) {
        PayTables t;
        t.Apply(c.game, c.table);
        t.ApplyRoyalRule(c.game, c.coins);
        EXPECT_EQ(t.Payout(c.game, c.category, c.coins), c.pays)
            << c.game << "/" << c.table << " category " << c.category << " at " << c.coins;
    }
    // Every game's top hand pays 4000 for five coins.
    PayTables t;
    for (int g = 0; g < kGameCount; ++g) {
        t.ApplyRoyalRule(g, 5);
        const int top = CategoryCount(GameInfoFor(g).family) - 1;
        EXPECT_EQ(t.Payout(g, top, 5), 4000) << g;
    }
}

// A table typed in as paid at five coins pays like the built-in table it copies, at every bet.
TEST(PayTables, ScheduleFromFiveCoinPaysFollowsTheRoyalRule) {
    for (int g = 0; g < kGameCount; ++g)
        for (int choice = 0; choice < 2; ++choice) {
            const PaySchedule built = BuiltInSchedule(g, choice);
            const PaySchedule typed = ScheduleFromFiveCoinPays(g, built.atFive);
            for (int coins = 1; coins <= 5; ++coins) {
                PayTables t;
                t.Apply(g, choice);
                t.ApplyRoyalRule(g, coins);
                EXPECT_EQ(typed.PerCoin(coins), t.Row(g)) << g << "/" << choice << " at " << coins;
                EXPECT_EQ(built.PerCoin(coins), t.Row(g)) << g << "/" << choice << " at " << coins;
            }
        }
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
