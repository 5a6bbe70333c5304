#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/named_pay_table.h"
#include "exact/exact_analysis.h"

namespace quintaro {
namespace {

// Every catalogue table's optimal return at five coins. The Jacks or Better
// 7/5, full-pay Deuces Wild and Double Double Bonus 10/6 figures are the
// published ones; the others were taken from quintaro-advise --return.
TEST(PayCatalogue, OptimalReturnsAtFiveCoins) {
    struct Case {
        int game;
        const char* name;
        double optimal;
    };
    const Case cases[] = {
        {kJacksOrBetter, "9/5", 0.98449808},
        {kJacksOrBetter, "8/6", 0.98392685},
        {kJacksOrBetter, "7/5", 0.961472},
        {kJacksOrBetter, "6/5", 0.94996137},
        {kBonusPoker, "7/5", 0.98014694},
        {kBonusPoker, "6/5", 0.96868716},
        {kBonusPoker, "5/5", 0.95728036},
        {kBonusDeluxe, "9/6", 0.99641711},
        {kBonusDeluxe, "9/5", 0.98549464},
        {kBonusDeluxe, "7/5", 0.96252637},
        {kBonusDeluxe, "6/5", 0.95361055},
        {kDeucesWild, "Full Pay", 1.007620},
        {kDeucesWild, "Double Deuces", 0.99173566},
        {kDeucesWild, "Loose Deuces", 1.00969506},
        {kDeucesWild, "Illinois Deuces", 0.98913088},
        {kDoubleBonus, "9/7", 0.99106472},
        {kDoubleBonus, "10/6", 0.98884515},
        {kDoubleBonus, "9/5", 0.96726373},
        {kDoubleBonus, "10/7/80", 1.00518714},
        {kDoubleDoubleBonus, "10/6", 1.000670},
        {kDoubleDoubleBonus, "8/5", 0.96786139},
        {kDoubleDoubleBonus, "7/5", 0.95711965},
        {kSuperDoubleBonus, "7/5", 0.97770812},
        {kSuperDoubleBonus, "6/5", 0.96871047},
        {kSuperDoubleBonus, "9/6", 1.00793354},
        {kTripleDoubleBonus, "9/5", 0.97020361},
        {kTripleDoubleBonus, "8/5", 0.95968652},
        {kTripleDoubleBonus, "7/5", 0.94917773},
        {kSuperAces, "8/6", 1.01039771},
        {kSuperAces, "6/5", 0.97779597},
        {kSuperAces, "5/5", 0.96855989},
    };
    ASSERT_EQ(PayCatalogue().size(), std::size(cases)) << "every table has its figure";
    for (const Case& c : cases) {
        const NamedPayTable* t = FindCatalogueTable(c.game, c.name);
        ASSERT_NE(t, nullptr) << c.game << " " << c.name;
        EXPECT_NEAR(exact::ComputeOptimalReturn(c.game, t->pays, 5, 2), c.optimal, 5e-7)
            << c.game << " " << c.name;
    }
}

// The catalogue adds at least three playable tables per game, none a built-in
// table again and no name twice, and each pays the royal rule's 800 at five coins.
TEST(PayCatalogue, PlayableTablesBeyondTheBuiltInOnes) {
    for (int game = 0; game < kGameCount; ++game) {
        const auto tables = CatalogueTablesFor(game);
        EXPECT_GE(tables.size(), 3u) << game;
        std::set<std::string> names;
        for (const NamedPayTable* t : tables) {
            EXPECT_EQ(NamedPayTableProblem(*t), "") << game << " " << t->name;
            EXPECT_TRUE(names.insert(t->name).second) << t->name;
            for (int choice = 0; choice < 2; ++choice)
                EXPECT_NE(t->pays, BuiltInSchedule(game, choice)) << game << " " << t->name;
            for (const HandCategory row : FiveCoinRows(game)) {
                EXPECT_EQ(t->pays.atFive[row], 800) << game << " " << t->name;
                EXPECT_LT(t->pays.belowFive[row], 800) << game << " " << t->name;
            }
        }
    }
}

} // namespace
} // namespace quintaro
