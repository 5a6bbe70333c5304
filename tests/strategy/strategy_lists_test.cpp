// The strategy lists as data: the blank slot 0, "Redraw" last, ev
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

TEST(StrategyLists, CountsAndShape) {
    for (int game = 0; game < kGameCount; ++game) {
        for (int choice = 0; choice < 2; ++choice) {
            SCOPED_TRACE(::testing::Message() << "game " << game << " choice " << choice);
            const StrategyList& list = StrategyListFor(game, choice);
            const int n = list.count;
            EXPECT_EQ(list.game, game);
            EXPECT_EQ(list.choice, choice);
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

} // namespace
} // namespace quintaro
