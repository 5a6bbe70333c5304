// The advice of the real classifiers in the round: Auto Hold, the Show
// Mistakes check and its panel.

#include <gtest/gtest.h>

#include <cstdio>

#include "advised_round.h"
#include "round_fakes.h"
#include "strategy/classifier.h"
#include "strategy/strategy_list.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"

namespace quintaro {
namespace {

using testing::AdviceRoundTest;
using testing::FakeSession;
using testing::FakeView;
using testing::FindSeed;
using testing::Log;
using testing::Only;

bool HasRanks(const GameEngine& g, std::vector<int> ranks) {
    std::vector<int> have;
    for (const auto& slot : g.hand) have.push_back(RankOf(slot.card));
    std::sort(have.begin(), have.end());
    std::sort(ranks.begin(), ranks.end());
    return have == ranks;
}

TEST_F(AdviceRoundTest, AlternateHoldOfTwoTensWithJackQueenKingIsAccepted) {
    session.showMistakes = true;
    for (int which = 0; which < 3; ++which) {
        OpenGame(kJacksOrBetter);
        // Suits decide whether a three-card royal outranks the straight draw.
        Deal([](GameEngine& g) {
            if (!HasRanks(g, {kTen, kTen, kJack, kQueen, kKing})) return false;
            HandAnalysis a;
            Recommendation r;
            AdviseHand(kJacksOrBetter, 0, CardsOf(g.hand), a, r);
            return r.altValid != 0;
        });
        const Recommendation r = Expected();
        ASSERT_TRUE(r.altValid);
        std::array<bool, 5> keep{};
        int tens = 0;
        for (std::size_t p = 0; p < 5; ++p) {
            const int rank = RankOf(E().hand[p].card);
            if (rank == kTen) {
                keep[p] = (which == 2) || (tens == which);
                ++tens;
            } else {
                keep[p] = which != 2;
            }
        }
        Hold(keep); // 0: first Ten with J Q K, 1: second Ten with J Q K, 2: the pair only
        log.clear();
        round->DealOrDraw();
        if (which < 2) {
            EXPECT_FALSE(view.panelShown) << which;
            EXPECT_EQ(round->State(), RoundState::GameOver);
        } else {
            EXPECT_TRUE(view.panelShown);
            EXPECT_EQ(Only(log, "effect"), (Log{"effect 4"}));
            EXPECT_EQ(view.panelLabels, Flags(r.hold));
            const StrategyEntry& entry = StrategyListFor(kJacksOrBetter, 0).Entry(r.strategyIndex);
            EXPECT_EQ(view.panelName, entry.name);
            EXPECT_EQ(view.panelRank, std::to_string(r.strategyIndex));
            char value[16];
            std::snprintf(value, sizeof value, "%.4f", entry.ev);
            EXPECT_EQ(view.panelValue, value);
            EXPECT_EQ(round->State(), RoundState::Holding);
        }
    }
}

TEST_F(AdviceRoundTest, TheCheckClassifiesTheTableHandNotTheLastAnalysis) {
    session.showMistakes = true;
    OpenGame(kJacksOrBetter);
    Deal([](GameEngine& g) { return g.EvaluateTable() == 0; });
    const Recommendation r = Expected();
    Hold(Flags(r.hold));
    // Another window (the hand builder) analyses a royal flush meanwhile.
    E().analysis.Analyse({0, 9, 10, 11, 12});
    round->DealOrDraw();
    EXPECT_FALSE(view.panelShown);
    EXPECT_EQ(round->StrategyIndex(), r.strategyIndex);
}

} // namespace
} // namespace quintaro
