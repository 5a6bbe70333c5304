// The strategy table's lines and the advice of the real classifiers in the
// round: Auto Hold, the Show Mistakes check and its panel.

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

std::string Line(int rank, const char* name, const char* value) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "   %2d   %-33s %9s", rank, name, value);
    return buf;
}

TEST(StrategyTableLines, JacksOrBetterAtOneAndFiveCoins) {
    const StrategyList& list = StrategyListFor(kJacksOrBetter, 0);
    const auto one = StrategyTableLines(list, 1);
    ASSERT_EQ(one.size(), 45u);
    EXPECT_EQ(one[0], Line(1, "Pat Royal", "800.0000"));
    EXPECT_EQ(one[1], Line(2, "Pat Straight Flush", "50.0000"));
    EXPECT_EQ(one[44], Line(45, "Redraw", "0.3564"));
    const auto five = StrategyTableLines(list, 5);
    EXPECT_EQ(five[0], Line(1, "Pat Royal", "4000.0000"));
    EXPECT_EQ(five[1], Line(2, "Pat Straight Flush", "250.0000"));
    EXPECT_EQ(five[44], Line(45, "Redraw", "1.7820"));
}

TEST(StrategyTableLines, SuperAcesFourAcesShowsItsOwnPayAtFiveCoins) {
    const auto five = StrategyTableLines(StrategyListFor(kSuperAces, 0), 5);
    EXPECT_EQ(five[0], Line(1, "Pat Royal", "4000.0000"));
    EXPECT_EQ(five[1], Line(2, "Four Aces", "2000.0000"));
    const auto two = StrategyTableLines(StrategyListFor(kSuperAces, 0), 2);
    EXPECT_EQ(two[1], Line(2, "Four Aces", "800.0000")); // 400 per coin
}

TEST(StrategyTableLines, EveryLineOfEveryListKeepsItsColumns) {
    for (int game = 0; game < kGameCount; ++game)
        for (int choice = 0; choice < 2; ++choice)
            for (int coins = 1; coins <= 5; ++coins) {
                const StrategyList& list = StrategyListFor(game, choice);
                const auto lines = StrategyTableLines(list, coins);
                ASSERT_EQ(static_cast<int>(lines.size()), list.count);
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    EXPECT_EQ(lines[i].size(), 51u) << game << " " << lines[i];
                    EXPECT_EQ(lines[i][41], ' ') << lines[i];
                    EXPECT_EQ(std::stoi(lines[i].substr(3, 2)), static_cast<int>(i) + 1);
                }
            }
}

TEST(StrategyTableLines, CaptionAndCoins) {
    EXPECT_EQ(StrategyTableCaption(kJacksOrBetter, 1, "Jacks or Better"),
              "Strategy Table for (9/6) Jacks or Better");
    EXPECT_EQ(StrategyTableCaption(kJacksOrBetter, 0, "Jacks or Better"),
              "Strategy Table for (8/5) Jacks or Better");
    PayTables tables;
    auto engine = MakeGameEngine(kJacksOrBetter, tables);
    engine->lastBet = 3;
    engine->bet = 0;
    EXPECT_EQ(StrategyTableCoins(*engine), 3);
    engine->bet = 2;
    EXPECT_EQ(StrategyTableCoins(*engine), 2);
}

TEST(StrategyTableLines, SelectionStandsInTheMiddleAsFarAsTheListAllows) {
    // 412 / 12 = 34 lines: 17 above the selection.
    EXPECT_EQ(StrategyTableTopLine(0, 45, 412), 0);  // a first entry
    EXPECT_EQ(StrategyTableTopLine(-1, 45, 412), 0); // no selection
    EXPECT_EQ(StrategyTableTopLine(20, 45, 412), 3);
    EXPECT_EQ(StrategyTableTopLine(44, 45, 412), 11); // "Redraw": as far down as possible
    EXPECT_EQ(StrategyTableTopLine(25, 61, 412), 8);
    // With the legend: 340 / 12 = 28 lines, 14 above.
    EXPECT_EQ(StrategyTableTopLine(20, 45, 340), 6);
    EXPECT_EQ(StrategyTableTopLine(44, 45, 340), 17);
    EXPECT_EQ(StrategyTableTopLine(5, 20, 412), 0); // a short list never scrolls
}

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
            EXPECT_EQ(Only(log, "effect"), (std::vector<std::string>{"effect 4"}));
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

TEST_F(AdviceRoundTest, APatHandNeedsAllFiveHeld) {
    session.showMistakes = true;
    OpenGame(kJacksOrBetter);
    Deal([](GameEngine& g) { return g.EvaluateTable() == 4; }); // a straight
    Hold({true, true, true, true, false});
    round->DealOrDraw();
    ASSERT_TRUE(view.panelShown);
    EXPECT_EQ(view.panelLabels, (std::array<bool, 5>{true, true, true, true, true}));
    EXPECT_EQ(view.panelValue.find('.'), view.panelValue.size() - 5); // "#0.0000"
    round->CancelClick();
    round->ToggleHold(4);
    round->DealOrDraw();
    EXPECT_FALSE(view.panelShown);
    EXPECT_EQ(E().finalCategory, 4);
}

TEST_F(AdviceRoundTest, TheCheckClassifiesTheTableHandNotTheLastAnalysis) {
    session.showMistakes = true;
    OpenGame(kJacksOrBetter);
    Deal([](GameEngine& g) { return g.EvaluateTable() == 0; });
    const Recommendation r = Expected();
    Hold(Flags(r.hold));
    // Another window (the hand builder) analyses a royal flush meanwhile.
    E().analysis.Analyse({0, 9, 10, 11, 12});
    E().strategyIndex = 1;
    round->DealOrDraw();
    EXPECT_FALSE(view.panelShown);
    EXPECT_EQ(E().strategyIndex, r.strategyIndex);
}

TEST_F(AdviceRoundTest, StrategyTableCommandSelectsTheTableHandsEntry) {
    OpenGame(kDeucesWild);
    Deal([](GameEngine& g) {
        int deuces = 0;
        for (const auto& s : g.hand) deuces += RankOf(s.card) == kTwo;
        return deuces == 1;
    });
    HandAnalysis a;
    Recommendation r;
    AdviseHand(kDeucesWild, 0, CardsOf(E().hand), a, r);
    E().analysis.Analyse({0, 13, 26, 39, 12});
    E().strategyIndex = 0;
    round->StrategyTableCommand();
    EXPECT_TRUE(view.lastTableSelected);
    EXPECT_EQ(E().strategyIndex, r.strategyIndex);
    EXPECT_EQ(E().activeStrategy, &StrategyListFor(kDeucesWild, 0));
}

TEST_F(AdviceRoundTest, AutoHoldHoldsTheRecommendationInEveryGame) {
    session.autoHold = true;
    for (int game = 0; game < kGameCount; ++game) {
        for (int round_ = 0; round_ < 4; ++round_) {
            OpenGame(game);
            E().clock = [round_, game] { return std::int64_t{1000 + 37 * round_ + game}; };
            round->BetMax();
            const Recommendation r = Expected();
            for (std::size_t p = 0; p < 5; ++p) {
                EXPECT_EQ(E().hand[p].held, r.hold[p] != 0) << game;
                EXPECT_EQ(view.shownHeld[p], r.hold[p] != 0);
            }
            EXPECT_EQ(Only(log, "effect 3").size(), 5u); // only the deal's clicks
            round->DealOrDraw();
            EXPECT_EQ(round->State(), RoundState::GameOver);
            EXPECT_FALSE(view.panelShown);
        }
    }
}

} // namespace
} // namespace quintaro
