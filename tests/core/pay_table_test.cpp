#include <gtest/gtest.h>

#include "core/game_engine.h"
#include "core/named_pay_table.h"
#include "core/pay_table.h"

namespace quintaro {
namespace {

// The royal rule: every game's top hand pays its per-coin pay times the coins
// below five and 4000 at five, on either table; Four Deuces have no such bonus.
TEST(PayTables, TheRoyalRule) {
    for (int g = 0; g < kGameCount; ++g)
        for (int table = 0; table < 2; ++table) {
            const int top = CategoryCount(GameInfoFor(g).family) - 1;
            PayTables t;
            t.Apply(g, table);
            t.ApplyRoyalRule(g, 1);
            const int perCoin = t.Payout(g, top, 1);
            for (int coins = 1; coins <= 5; ++coins) {
                t.ApplyRoyalRule(g, coins);
                EXPECT_EQ(t.Payout(g, top, coins), coins < 5 ? perCoin * coins : 4000)
                    << g << "/" << table << " at " << coins;
            }
        }
    PayTables t;
    t.ApplyRoyalRule(kDeucesWild, 5);
    EXPECT_EQ(t.Payout(kDeucesWild, 9, 5), 1000);
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

// A named table pays its own row at one to four coins and its five-coin row
// at five; putting a built-in table back restores every entry of the game.
TEST(NamedPayTables, PayoutsAtEveryBetAndBack) {
    struct Case {
        int game;
        PayRow perCoin;
        int fiveCoinRoyal; // 0: the royal rule's default
        HandCategory category;
        int coins, pays;
    };
    const PayRow big{0, 99'999, 2, 3, 4, 5, 9, 25, 50, 250};
    const Case cases[] = {
        {kJacksOrBetter, big, 0, 1, 1, 99'999},
        {kJacksOrBetter, big, 0, 1, 5, 499'995},
        {kJacksOrBetter, big, 0, 9, 4, 1000},
        {kJacksOrBetter, big, 0, 9, 5, 4000},
        {kJacksOrBetter, big, 1000, 9, 5, 5000},
        {kJacksOrBetter, {0, 1, 2, 3, 4, 5, 9, 25, 50, 300}, 0, 9, 5, 1500},
        {kTripleDoubleBonus, {0, 1, 1, 2, 4, 5, 9, 50, 50, 80, 160, 400, 400, 400}, 0, 12, 5, 4000},
        {kTripleDoubleBonus, {0, 1, 1, 2, 4, 5, 9, 50, 50, 80, 160, 400, 400, 400}, 0, 12, 4, 1600},
        {kDeucesWild, {0, 1, 2, 2, 3, 5, 9, 15, 25, 500, 250}, 0, 9, 5, 2500},
        {kDeucesWild, {0, 1, 2, 2, 3, 5, 9, 15, 25, 500, 250}, 0, 10, 5, 4000},
    };
    for (const Case& c : cases) {
        PaySchedule s = ScheduleFromPerCoinPays(c.game, c.perCoin);
        if (c.fiveCoinRoyal) s.atFive[9] = c.fiveCoinRoyal;
        ASSERT_EQ(PayScheduleProblem(c.game, s), "") << c.game;
        PayTables t;
        t.ApplySchedule(c.game, s);
        t.ApplyRoyalRule(c.game, c.coins);
        EXPECT_EQ(t.Payout(c.game, c.category, c.coins), c.pays) << c.game << " " << c.category;
        EXPECT_EQ(*t.ScheduleInForce(c.game), s);
        t.Apply(c.game, 1);
        t.ApplyRoyalRule(c.game, c.coins);
        PayTables fresh;
        fresh.Apply(c.game, 1);
        fresh.ApplyRoyalRule(c.game, c.coins);
        EXPECT_EQ(t.Row(c.game), fresh.Row(c.game)) << c.game;
        EXPECT_EQ(t.ScheduleInForce(c.game), nullptr);
    }
}

// What makes a named table unplayable, and the reason given.
TEST(NamedPayTables, ProblemsOfNamesAndRows) {
    const PaySchedule good =
        ScheduleFromPerCoinPays(kJacksOrBetter, {0, 1, 2, 3, 4, 6, 9, 25, 50, 250});
    struct Case {
        std::string name;
        int row;     // -1: none changed
        bool atFive; // change the five-coin row, else both
        int value;
        const char* reason; // a part of the reason, "" for none
    };
    const Case cases[] = {
        {"9/6 at the Lucky", -1, false, 0, ""},
        {"", -1, false, 0, "needs a name"},
        {std::string(41, 'x'), -1, false, 0, "at most 40"},
        {" padded", -1, false, 0, "blank"},
        {"two\nlines", -1, false, 0, "line break"},
        {"ok", 3, false, 100'000, "from 0 to 99999"},
        {"ok", 3, false, -1, "from 0 to 99999"},
        {"ok", 3, true, 7, "pays the same per coin at every bet"},
        {"ok", 9, true, 99'999, ""},
        {"ok", 10, false, 5, "does not exist"},
    };
    for (const Case& c : cases) {
        NamedPayTable t{kJacksOrBetter, c.name, good};
        if (c.row >= 0) {
            t.pays.atFive[c.row] = c.value;
            if (!c.atFive) t.pays.belowFive[c.row] = c.value;
        }
        const std::string why = NamedPayTableProblem(t);
        if (*c.reason == 0) {
            EXPECT_EQ(why, "") << c.name;
        } else {
            EXPECT_NE(why.find(c.reason), std::string::npos) << c.name << ": " << why;
        }
    }
    PaySchedule none{};
    EXPECT_NE(PayScheduleProblem(kJacksOrBetter, none).find("no hand pays"), std::string::npos);
}

} // namespace
} // namespace quintaro
