#include "shell/statistics.h"

#include "core/hand_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quintaro {
namespace {

TEST(FormatPercent, TwoDecimalsRoundedHalfAway) {
    const std::pair<double, const char*> cases[] = {
        {0, "0.00%"},       {100, "100.00%"},        {100.0f / 3, "33.33%"}, {200.0f / 3, "66.67%"},
        {0.125, "0.13%"},   {12.5, "12.50%"},        {0.004, "0.00%"},       {1000, "1000.00%"},
        {94.825, "94.83%"}, {std::nan(""), "0.00%"}, {-2.5, "-2.50%"},       {-0.25, "-0.25%"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatPercent(value), text) << value;
}

TEST(StatisticsPage, PercentagesAndBarsOfAMixOfGames) {
    StatisticsRecord r;
    // Jacks or Better: 3 hands, one Two Pair (10 credits at 5 coins), two losers.
    for (int i = 0; i < 3; ++i) r.HandStarted(kJacksOrBetter);
    r.HandFinished(kJacksOrBetter, 0, 5, 0);
    r.HandFinished(kJacksOrBetter, 0, 5, 0);
    r.HandFinished(kJacksOrBetter, 2, 5, 10);
    // Double Double Bonus: a four Aces with a kicker, category 11, and a royal.
    r.HandStarted(kDoubleDoubleBonus);
    r.HandFinished(kDoubleDoubleBonus, 11, 5, 2000);
    r.HandStarted(kDoubleDoubleBonus);
    r.HandFinished(kDoubleDoubleBonus, 13, 5, 4000);
    // Deuces Wild: a hand in progress only.
    r.HandStarted(kDeucesWild);

    const StatisticsPage jacks = BuildStatisticsPage(r, kJacksOrBetter);
    EXPECT_EQ(jacks.rows[4].count, 2);
    EXPECT_EQ(jacks.rows[4].percentText, "66.67%");
    EXPECT_EQ(jacks.rows[4].barWidth, 166);
    EXPECT_EQ(jacks.rows[6].count, 1);
    EXPECT_EQ(jacks.rows[6].credits, 10);
    EXPECT_EQ(jacks.rows[6].percentText, "33.33%");
    EXPECT_EQ(jacks.rows[6].barWidth, 83);
    EXPECT_EQ(jacks.rows[6].percentLeft, 93);
    EXPECT_EQ(jacks.thisGame.hands, 3);
    EXPECT_EQ(jacks.thisGame.creditsBet, 15);
    EXPECT_EQ(jacks.thisGame.creditsWon, 10);
    EXPECT_EQ(jacks.thisGame.payback, "66.67%");
    // The session counts every game, whatever page is shown.
    EXPECT_EQ(jacks.session.hands, 6);
    EXPECT_EQ(jacks.session.creditsBet, 25);
    EXPECT_EQ(jacks.session.creditsWon, 6010);
    EXPECT_EQ(jacks.session.payback, "24040.00%");
    EXPECT_EQ(jacks.gameEnabled,
              (std::array<bool, 9>{true, false, false, true, false, true, false, false, false}));

    const StatisticsPage ddb = BuildStatisticsPage(r, kDoubleDoubleBonus);
    EXPECT_EQ(ddb.rows[11].caption, "4-Ace's w/any 2,3,4");
    EXPECT_EQ(ddb.rows[11].credits, 2000);
    EXPECT_EQ(ddb.rows[11].percentText, "50.00%");
    EXPECT_EQ(ddb.rows[11].barWidth, 125);
    EXPECT_EQ(ddb.rows[13].credits, 4000);
    EXPECT_EQ(ddb.thisGame.payback, "60000.00%");
    EXPECT_EQ(ddb.session.creditsWon, jacks.session.creditsWon);

    // A hand in progress counts as started but not yet bet: payback shows 0.
    const StatisticsPage deuces = BuildStatisticsPage(r, kDeucesWild);
    EXPECT_EQ(deuces.thisGame.hands, 1);
    EXPECT_EQ(deuces.thisGame.creditsBet, 0);
    EXPECT_EQ(deuces.thisGame.payback, "0.00%");
    for (int row = deuces.firstRow; row < 14; ++row) {
        EXPECT_EQ(deuces.rows[row].count, 0);
        EXPECT_EQ(deuces.rows[row].percentText, "0.00%");
    }

    EXPECT_EQ(r.TotalHandsPlayed(), 6);
    EXPECT_EQ(ChooseStatisticsPage(r, kDeucesWild), kDeucesWild);
    EXPECT_EQ(ChooseStatisticsPage(r, kBonusPoker), kJacksOrBetter);
    EXPECT_EQ(ChooseStatisticsPage(StatisticsRecord{}, kBonusPoker), -1);
}

TEST(StatisticsRecord, ResetClearsEveryCategoryOfEveryGame) {
    StatisticsRecord r;
    for (int g = 0; g < kGameCount; ++g) {
        r.HandStarted(g);
        r.HandFinished(g, StatisticsLineCount(g) - 1, 5, 4000);
        r.HandFinished(g, 13, 1, 7);
    }
    EXPECT_EQ(r.HandCount[kTripleDoubleBonus][13], 2);
    r.Reset();
    EXPECT_EQ(r.TotalHandsPlayed(), 0);
    for (int g = 0; g < kGameCount; ++g) {
        EXPECT_EQ(r.CreditsBet[g], 0);
        for (int c = 0; c < kStatisticsCategories; ++c) {
            EXPECT_EQ(r.HandCount[g][c], 0);
            EXPECT_EQ(r.CreditsPaid[g][c], 0);
        }
    }
}

} // namespace
} // namespace quintaro
