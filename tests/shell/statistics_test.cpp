#include "shell/statistics.h"

#include "core/hand_names.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace quintaro {
namespace {

TEST(StatisticsCaptions, MatchThePageOfEveryGame) {
    const std::vector<std::vector<std::string>> captions = {
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4 of a Kind", "Straight Flush", "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4-5's thru King's ", "4-2's, 3's, 4's", "4-Ace's", "Straight Flush",
         "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4 of a Kind", "Straight Flush", "Royal Flush"},
        {"No Winner", "3 of a Kind", "Straight", "Flush", "Full House", "4 of a Kind",
         "Straight Flush", "5 of a Kind", "Royal Flush w/Deuce's", "4-Deuce's", "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4-5's thru King's", "4-2's, 3's, 4's", "4-Ace's", "Straight Flush",
         "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4-5's thru King's", "4-2's, 3's, 4's", "4-Ace's",
         "4-2's,3's,4's w/Ace,2,3,4", "4-Ace's w/any 2,3,4", "Straight Flush", "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4-5's thru 10's ", "4-2's, 3's, 4's", "4-J's, Q's, K's", "4-Ace's",
         "Straight Flush", "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "Straight Flush", "4-5's thru King's", "4-2's, 3's, 4's", "4-Ace's",
         "4-2's,3's,4's w/Ace,2,3,4", "4-Ace's w/any 2,3,4", "Royal Flush"},
        {"No Winner", "Jacks or Better", "Two Pair", "3 of a Kind", "Straight", "Flush",
         "Full House", "4-5's thru King's ", "4-2's, 3's, 4's", "4-Ace's", "Straight Flush",
         "Royal Flush"},
    };
    const int lineCounts[] = {10, 12, 10, 11, 12, 14, 13, 14, 12};
    for (int g = 0; g < kGameCount; ++g) {
        SCOPED_TRACE(g);
        EXPECT_EQ(StatisticsLineCount(g), lineCounts[g]);
        // One line per category of the game's evaluation.
        EXPECT_EQ(static_cast<std::size_t>(StatisticsLineCount(g)), CategoryNamesFor(g).size());
        ASSERT_EQ(captions[g].size(), static_cast<std::size_t>(lineCounts[g]));
        for (int k = 0; k < lineCounts[g]; ++k) EXPECT_EQ(StatisticsCaption(g, k), captions[g][k]);
        EXPECT_EQ(StatisticsCaption(g, lineCounts[g]), "");
        EXPECT_EQ(StatisticsCaption(g, -1), "");
    }
    EXPECT_EQ(StatisticsLineCount(9), 0);
}

TEST(FormatPercent, TwoDecimalsRoundedHalfAway) {
    const std::pair<double, const char*> cases[] = {
        {0, "0.00%"},       {100, "100.00%"},        {100.0f / 3, "33.33%"}, {200.0f / 3, "66.67%"},
        {0.125, "0.13%"},   {12.5, "12.50%"},        {0.004, "0.00%"},       {1000, "1000.00%"},
        {94.825, "94.83%"}, {std::nan(""), "0.00%"}, {-2.5, "-2.50%"},       {-0.25, "-0.25%"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatPercent(value), text) << value;
}

TEST(StatisticsPage, AfterOneLosingHandOfJacksOrBetter) {
    StatisticsRecord r;
    r.HandStarted(kJacksOrBetter);
    r.HandFinished(kJacksOrBetter, 0, 5, 0);
    const StatisticsPage page = BuildStatisticsPage(r, kJacksOrBetter);
    EXPECT_EQ(page.windowCaption, "Current Session Statistics for Jacks or Better Poker");
    EXPECT_EQ(page.firstRow, 4);
    for (int row = 0; row < 4; ++row) EXPECT_FALSE(page.rows[row].visible) << row;
    const StatisticsRow& none = page.rows[4];
    EXPECT_TRUE(none.visible);
    EXPECT_EQ(none.caption, "No Winner");
    EXPECT_EQ(none.count, 1);
    EXPECT_EQ(none.credits, 0);
    EXPECT_EQ(none.textColour, 255);
    EXPECT_EQ(none.barColour, 184);
    EXPECT_EQ(none.percentColour, 255);
    EXPECT_EQ(none.barWidth, 250);
    EXPECT_EQ(none.percentText, "100.00%");
    EXPECT_EQ(none.percentLeft, 260);
    for (int row = 5; row < 14; ++row) {
        const StatisticsRow& r2 = page.rows[row];
        EXPECT_TRUE(r2.visible);
        EXPECT_EQ(r2.count, 0);
        EXPECT_EQ(r2.credits, 0);
        EXPECT_EQ(r2.textColour, 0);
        EXPECT_EQ(r2.barColour, 40960);
        EXPECT_EQ(r2.percentColour, 65280);
        EXPECT_EQ(r2.barWidth, 0);
        EXPECT_EQ(r2.percentText, "0.00%");
        EXPECT_EQ(r2.percentLeft, 10);
    }
    EXPECT_EQ(page.rows[13].caption, "Royal Flush");
    EXPECT_EQ(page.thisGame.hands, 1);
    EXPECT_EQ(page.thisGame.creditsBet, 5);
    EXPECT_EQ(page.thisGame.creditsWon, 0);
    EXPECT_EQ(page.thisGame.payback, "0.00%");
    EXPECT_EQ(page.session.hands, 1);
    EXPECT_EQ(page.session.payback, "0.00%");
    EXPECT_TRUE(page.gameEnabled[0]);
    for (int g = 1; g < kGameCount; ++g) EXPECT_FALSE(page.gameEnabled[g]);
}

TEST(StatisticsPage, RowsFillFromTheTopByLineCount) {
    const StatisticsRecord r;
    for (int g = 0; g < kGameCount; ++g) {
        const StatisticsPage page = BuildStatisticsPage(r, g);
        const int first = 14 - StatisticsLineCount(g);
        EXPECT_EQ(page.firstRow, first);
        for (int row = 0; row < 14; ++row) EXPECT_EQ(page.rows[row].visible, row >= first);
        EXPECT_EQ(page.rows[first].caption, "No Winner");
        EXPECT_EQ(page.rows[13].caption, "Royal Flush");
        // No hands: every percentage is 0.
        for (int row = first; row < 14; ++row) EXPECT_EQ(page.rows[row].percentText, "0.00%");
    }
    EXPECT_EQ(BuildStatisticsPage(r, kDoubleDoubleBonus).firstRow, 0);
    EXPECT_EQ(BuildStatisticsPage(r, kSuperAces).windowCaption,
              "Current Session Statistics for Super Aces Bonus Poker");
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

TEST(StatisticsRecord, IgnoresCountsOutsideTheRecord) {
    StatisticsRecord r;
    r.HandStarted(-1);
    r.HandStarted(9);
    r.HandFinished(9, 1, 5, 5);
    r.HandFinished(0, 14, 5, 5);
    r.HandFinished(0, -1, 5, 5);
    EXPECT_EQ(r.TotalHandsPlayed(), 0);
    EXPECT_EQ(r.CreditsBet[0], 0);
    // A losing hand never adds credits won.
    r.HandFinished(0, 0, 5, 99);
    EXPECT_EQ(r.CreditsPaid[0][0], 0);
    EXPECT_EQ(r.CreditsBet[0], 5);
    // Counters stop at their largest value instead of wrapping.
    r.HandsPlayed[1] = INT32_MAX;
    r.HandStarted(1);
    EXPECT_EQ(r.HandsPlayed[1], INT32_MAX);
}

} // namespace
} // namespace quintaro
