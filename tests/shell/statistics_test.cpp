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

    // A row's count, credits and percentage; a total's hands, bet, won and payback.
    const auto row = [](const auto& x) {
        return std::make_tuple(x.count, x.credits, x.percentText);
    };
    const auto total = [](const auto& t) {
        return std::make_tuple(t.hands, t.creditsBet, t.creditsWon, t.payback);
    };
    using std::make_tuple;
    using namespace std::string_literals;
    const StatisticsPage jacks = BuildStatisticsPage(r, kJacksOrBetter);
    EXPECT_EQ(row(jacks.rows[4]), make_tuple(2, 0, "66.67%"s));
    EXPECT_EQ(row(jacks.rows[6]), make_tuple(1, 10, "33.33%"s));
    EXPECT_EQ(total(jacks.thisGame), make_tuple(3, 15, 10, "66.67%"s));
    // The session counts every game, whatever page is shown.
    EXPECT_EQ(total(jacks.session), make_tuple(6, 25, 6010, "24040.00%"s));
    EXPECT_EQ(jacks.gameEnabled,
              (std::array<bool, 9>{true, false, false, true, false, true, false, false, false}));

    const StatisticsPage ddb = BuildStatisticsPage(r, kDoubleDoubleBonus);
    EXPECT_EQ(row(ddb.rows[11]), make_tuple(1, 2000, "50.00%"s));
    EXPECT_EQ(row(ddb.rows[13]), make_tuple(1, 4000, "50.00%"s));
    EXPECT_EQ(ddb.thisGame.payback, "60000.00%");
    EXPECT_EQ(ddb.session.creditsWon, jacks.session.creditsWon);

    // A hand in progress counts as started but not yet bet: payback shows 0.
    const StatisticsPage deuces = BuildStatisticsPage(r, kDeucesWild);
    EXPECT_EQ(total(deuces.thisGame), make_tuple(1, 0, 0, "0.00%"s));
    for (int i = deuces.firstRow; i < 14; ++i)
        EXPECT_EQ(row(deuces.rows[i]), make_tuple(0, 0, "0.00%"s)) << i;

    EXPECT_EQ(r.TotalHandsPlayed(), 6);
    EXPECT_EQ(ChooseStatisticsPage(r, kDeucesWild), kDeucesWild);
    EXPECT_EQ(ChooseStatisticsPage(r, kBonusPoker), kJacksOrBetter);
    EXPECT_EQ(ChooseStatisticsPage(StatisticsRecord{}, kBonusPoker), -1);

    // Reset clears every category of every game.
    for (int g = 0; g < kGameCount; ++g) r.HandFinished(g, StatisticsLineCount(g) - 1, 5, 4000);
    r.Reset();
    EXPECT_EQ(r.TotalHandsPlayed(), 0);
    for (int g = 0; g < kGameCount; ++g) {
        EXPECT_EQ(r.CreditsBet[g], 0);
        for (int c = 0; c < kStatisticsCategories; ++c)
            EXPECT_EQ(r.HandCount[g][c] + r.CreditsPaid[g][c], 0) << g << " " << c;
    }
}

} // namespace
} // namespace quintaro
