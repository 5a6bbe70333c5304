// The strategy lists as data: counts, the blank slot 0, "Redraw" last, ev
// never increasing, every ev the float nearest to its four-place figure, one
// text per entry id; and an entry's value for the coins bet.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "core/game_variant.h"
#include "core/pay_table.h"
#include "strategy/strategy_list.h"

namespace quintaro {
namespace {

constexpr int kCounts[kStrategyListCount] = {45, 45, 51, 58, 47, 47, 51, 54, 53,
                                             56, 56, 54, 53, 53, 61, 60, 54, 54};

TEST(StrategyLists, CountsAndShape) {
    for (int game = 0; game < kGameCount; ++game) {
        for (int choice = 0; choice < 2; ++choice) {
            SCOPED_TRACE(::testing::Message() << "game " << game << " choice " << choice);
            const StrategyList& list = StrategyListFor(game, choice);
            const int n = kCounts[game * 2 + choice];
            EXPECT_EQ(list.game, game);
            EXPECT_EQ(list.choice, choice);
            EXPECT_EQ(list.count, n);
            EXPECT_EQ(StrategyCount(game, choice), n);
            EXPECT_EQ(kStrategyCounts[game * 2 + choice], n);
            EXPECT_STREQ(list.Entry(0).name, "");
            EXPECT_EQ(list.Entry(0).ev, 0.0f);
            EXPECT_EQ(list.Entry(0).id, EntryId::kNone);
            EXPECT_STREQ(list.Entry(n).name, "Redraw");
            for (int i = 1; i <= n; ++i) {
                const StrategyEntry& e = list.Entry(i);
                EXPECT_GT(std::strlen(e.name), 0u);
                EXPECT_LE(std::strlen(e.name), 33u) << e.name;
                EXPECT_STREQ(EntryName(e.id), e.name);
                EXPECT_EQ(list.PositionOf(e.id), i) << e.name;
                if (i > 1) {
                    EXPECT_LE(e.ev, list.Entry(i - 1).ev) << e.name;
                }
                // Printing with four places and reading back gives the same
                // float: it is the one nearest to its four-place figure.
                char text[32];
                std::snprintf(text, sizeof text, "%.4f", static_cast<double>(e.ev));
                EXPECT_EQ(std::strtof(text, nullptr), e.ev) << e.name;
            }
            // Ids that the list lacks have no position.
            int positioned = 0;
            for (std::uint8_t p : list.positions) positioned += p != 0;
            EXPECT_EQ(positioned, n);
        }
    }
}

TEST(StrategyLists, OneTextPerId) {
    std::set<std::string> texts;
    for (int id = 1; id < kEntryIdCount; ++id) {
        const std::string t = EntryName(static_cast<EntryId>(id));
        EXPECT_FALSE(t.empty());
        EXPECT_TRUE(texts.insert(t).second) << t;
    }
}

TEST(StrategyLists, KnownValues) {
    const StrategyList& jacks = StrategyListFor(kJacksOrBetter, 0);
    EXPECT_STREQ(jacks.Entry(1).name, "Pat Royal");
    EXPECT_EQ(jacks.Entry(1).ev, 800.0f);
    EXPECT_STREQ(jacks.Entry(2).name, "Pat Straight Flush");
    EXPECT_EQ(jacks.Entry(45).ev, 0.3564f);
    // "Two Pair" is rank 10 on both tables, with different values.
    EXPECT_STREQ(jacks.Entry(10).name, "Two Pair");
    EXPECT_EQ(jacks.Entry(10).ev, 2.5106f);
    EXPECT_STREQ(StrategyListFor(kJacksOrBetter, 1).Entry(10).name, "Two Pair");
    EXPECT_EQ(StrategyListFor(kJacksOrBetter, 1).Entry(10).ev, 2.5957f);
    // Equal values keep their listed order.
    const StrategyList& bonus = StrategyListFor(kBonusPoker, 1);
    EXPECT_STREQ(bonus.Entry(51).name, "Ace");
    EXPECT_STREQ(bonus.Entry(52).name, "Jack");
    EXPECT_EQ(bonus.Entry(51).ev, bonus.Entry(52).ev);
    // The odd spellings stand as written.
    EXPECT_STREQ(StrategyListFor(kSuperAces, 0).Entry(5).name, "Pat Four 5,'s to K's");
    EXPECT_STREQ(StrategyListFor(kDeucesWild, 0).Entry(12).name, "4 STFL, 1 Gap,22-57s to 22-9Js");
    EXPECT_STREQ(StrategyListFor(kDeucesWild, 1).Entry(22).name,
                 "4 STFL, 2 Gaps, 7-K High(1 Deuce)");
    EXPECT_STREQ(StrategyListFor(kDeucesWild, 1).Entry(20).name,
                 "4 STFL, 1 Gap, 7-Q High (1 Deuce)");
    EXPECT_EQ(std::strlen(StrategyListFor(kDeucesWild, 1).Entry(22).name), 33u);
    EXPECT_EQ(StrategyListFor(kTripleDoubleBonus, 0).Entry(2).ev, 800.0f);
    EXPECT_EQ(StrategyListFor(kTripleDoubleBonus, 0).Entry(4).ev, 323.4043f);
}

TEST(EntryValue, OnlyTheRoyalRowTakesAFiveCoinRate) {
    for (int game = 0; game < kGameCount; ++game) {
        for (int choice = 0; choice < 2; ++choice) {
            SCOPED_TRACE(::testing::Message() << "game " << game << " choice " << choice);
            const StrategyList& list = StrategyListFor(game, choice);
            EXPECT_EQ(FormatStrategyValue(EntryValue(list, 1, 5)), "4000.0000");
            for (int coins = 1; coins <= 5; ++coins)
                for (int rank = coins == 5 ? 2 : 1; rank <= list.count; ++rank)
                    EXPECT_EQ(EntryValue(list, rank, coins),
                              coins * static_cast<long double>(list.Entry(rank).ev))
                        << rank << " at " << coins;
        }
    }
    // Four Aces in Super Aces Bonus pays 400 a coin at every bet, five coins included.
    const PayTables pays;
    for (int choice = 0; choice < 2; ++choice) {
        const StrategyList& list = StrategyListFor(kSuperAces, choice);
        ASSERT_STREQ(list.Entry(2).name, "Four Aces");
        EXPECT_EQ(FormatStrategyValue(EntryValue(list, 2, 5)), "2000.0000");
        EXPECT_EQ(FormatStrategyValue(EntryValue(list, 2, 1)), "400.0000");
        EXPECT_EQ(EntryValue(list, 2, 5), pays.Payout(kSuperAces, 9, 5));
    }
}

TEST(FormatStrategyValue, FourDecimalsAndAtLeastOneIntegerDigit) {
    EXPECT_EQ(FormatStrategyValue(0.3564L), "0.3564");
    EXPECT_EQ(FormatStrategyValue(0.0L), "0.0000");
    EXPECT_EQ(FormatStrategyValue(800.0L), "800.0000");
    EXPECT_EQ(FormatStrategyValue(4000.0L), "4000.0000");
    EXPECT_EQ(FormatStrategyValue(1.78126L), "1.7813");
    EXPECT_EQ(FormatStrategyValue(221.2766L * 3), "663.8298");
}

TEST(StrategyLists, AnyNonzeroChoiceIsTheSecondList) {
    EXPECT_EQ(&StrategyListFor(kDeucesWild, 7), &StrategyListFor(kDeucesWild, 1));
}

TEST(StrategyLists, ShortNamesFollowTheCountTable) {
    const char* names[kStrategyListCount] = {"8/5", "9/6", "8/5", "10/8", "8/6", "8/5",
                                             "3/2", "4/3", "9/6", "10/7", "9/6", "9/5",
                                             "9/5", "8/5", "9/7", "9/6",  "8/5", "7/5"};
    for (int i = 0; i < kStrategyListCount; ++i)
        EXPECT_EQ(PayTableShortName(i / 2, i % 2), names[i]);
}

} // namespace
} // namespace quintaro
