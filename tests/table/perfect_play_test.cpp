// Perfect Play, the exact figures of a stopped draw and the hand the hold
// values open on: first with values made up by the test, then against the
// exact engine on a few real hands.

#include <gtest/gtest.h>

#include <algorithm>

#include "advised_round.h"
#include "generate/list_return.h"
#include "round_fakes.h"
#include "table/exact_figures.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"

namespace quintaro {
namespace {

using testing::FakeSession;
using testing::FakeView;
using testing::FindSeed;
using testing::HeldFlags;
using testing::Log;
using testing::Only;
using testing::TwosWithAnAce;
using testing::ValuedAdvisor;

constexpr exact::HoldMask kListHold = 0b00101; // positions 0 and 2
constexpr exact::HoldMask kTwinHold = 0b00011; // as good as the list's
constexpr exact::HoldMask kNearHold = 0b10000; // short of the best by less than the tolerance
constexpr exact::HoldMask kPoorHold = 0b01000; // clearly worse

class PerfectPlayTest : public testing::RoundFixture<ValuedAdvisor> {
protected:
    void SetUp() override {
        std::array<double, exact::kHoldCount> perCoin{};
        perCoin.fill(0.25);
        perCoin[kListHold] = 0.75;
        perCoin[kTwinHold] = 0.75;
        perCoin[kNearHold] = 0.75 - 5e-10;
        perCoin[kPoorHold] = 0.5;
        advisor.SetValues(perCoin, 5);
        advisor.advice.strategyIndex = 9;
        advisor.advice.hold = exact::HeldOf(kListHold);
        advisor.advice.name = "Listed";
        advisor.advice.ev = 0.7;
        OpenGame(kJacksOrBetter);
    }
    void DealAndHold(exact::HoldMask mask) {
        round->BetMax();
        Hold(exact::HeldOf(mask));
    }
};

TEST_F(PerfectPlayTest, ShowMistakesPassesEveryBestHoldAndStopsTheOthers) {
    session.showMistakes = true;
    session.PerfectPlay() = true;
    struct Case {
        exact::HoldMask hold;
        bool stops;
    };
    for (const Case c : {Case{kListHold, false}, Case{kTwinHold, false}, Case{kNearHold, false},
                         Case{kPoorHold, true}, Case{0, true}}) {
        SCOPED_TRACE(int(c.hold));
        view.figures.reset();
        DealAndHold(c.hold);
        round->DealOrDraw();
        EXPECT_EQ(view.panelShown, c.stops);
        if (!c.stops) {
            EXPECT_EQ(round->State(), RoundState::GameOver);
            continue;
        }
        // The panel shows a best hold (the list's, being among them) and the figures.
        EXPECT_EQ(view.panelLabels, exact::HeldOf(kListHold));
        EXPECT_EQ(view.panelName, "Listed");
        ASSERT_TRUE(view.figures);
        const MistakeFigures& f = *view.figures;
        EXPECT_EQ(std::tie(f.perfectPlay, f.coins, f.list, f.best),
                  std::make_tuple(true, 5, 3.75, 3.75));
        EXPECT_DOUBLE_EQ(f.player, advisor.values.perCoin[c.hold] * 5);
        EXPECT_DOUBLE_EQ(view.figures->Cost(), 3.75 - advisor.values.perCoin[c.hold] * 5);
        EXPECT_FALSE(view.figures->PlayerMatchesList());
        round->ContinueClick();
    }
}

TEST_F(PerfectPlayTest, AutoHoldPrefersTheListsHoldAmongTheBestElseTheFirstBest) {
    session.autoHold = true;
    session.PerfectPlay() = true;
    round->BetMax();
    EXPECT_EQ(HeldFlags(round->Engine()), exact::HeldOf(kListHold));
    round->DealOrDraw();

    // A list hold that is not among the best gives way to the first best by mask.
    advisor.advice.hold = exact::HeldOf(kPoorHold);
    round->BetMax();
    EXPECT_EQ(HeldFlags(round->Engine()), exact::HeldOf(kTwinHold));
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(view.shownHeld[static_cast<std::size_t>(p)],
                  exact::HeldOf(kTwinHold)[static_cast<std::size_t>(p)]);
    round->DealOrDraw();

    // Off: the list's hold, and no values are asked for.
    session.PerfectPlay() = false;
    const int calls = advisor.valueCalls;
    round->BetMax();
    EXPECT_EQ(HeldFlags(round->Engine()), exact::HeldOf(kPoorHold));
    EXPECT_EQ(advisor.valueCalls, calls);
}

TEST(ExactFigures, PanelWordsReturnsCaptionAndStore) {
    struct Case {
        double player, list, best;
        const char* verdict; // a word the verdict holds, or "" for none
    };
    const Case cases[] = {{1.0, 2.0, 2.5, ""},
                          {2.0, 2.0, 2.5, "as much"},
                          {2.0 - 1e-10, 2.0, 2.0, "as much"}, // within the tolerance
                          {2.5, 2.0, 2.5, "more"}};
    for (const Case& c : cases) {
        MistakeFigures f{5, c.player, c.list, c.best, false};
        const MistakeFigureText text = MistakeText(f);
        EXPECT_NE(text.figures.find("cost " + CreditsText(c.best - c.player)), std::string::npos);
        if (*c.verdict) {
            EXPECT_NE(text.verdict.find("imperfect"), std::string::npos) << c.player;
            EXPECT_NE(text.verdict.find(c.verdict), std::string::npos) << c.player;
        } else {
            EXPECT_TRUE(text.verdict.empty());
        }
    }
    EXPECT_EQ(CreditsText(4.004999), "4.00");
    EXPECT_EQ(ReturnCaption({0.995439, 0.995429}),
              "This list returns 99.5429 %, perfect play 99.5439 %");

    ReturnStore store;
    EXPECT_FALSE(store.Find(0, 1, 5));
    EXPECT_TRUE(store.Claim(0, 1, 5));
    EXPECT_FALSE(store.Claim(0, 1, 5)); // one computation per key
    EXPECT_FALSE(store.Find(0, 1, 5));
    store.Store(0, 1, 5, {0.99, 0.98});
    ASSERT_TRUE(store.Find(0, 1, 5));
    EXPECT_EQ(store.Find(0, 1, 5)->strategy, 0.98);
    EXPECT_FALSE(store.Find(0, 1, 4));
}

// ---- against the exact engine ----------------------------------------------------------------

using ExactRoundTest = testing::AdviceRoundTest;

TEST_F(ExactRoundTest, MistakeFiguresAreTheEnginesValuesForTheCoinsBet) {
    session.showMistakes = true;
    OpenGame(kTripleDoubleBonus);
    Deal(TwosWithAnAce);
    const auto cards = CardsOf(E().hand);
    const exact::HoldValues values = exact::AnalyseHolds(kTripleDoubleBonus, 0, 5, cards);
    const exact::HoldMask list = ListHold(kTripleDoubleBonus, 0, cards);
    const exact::HoldMask best = values.best;
    ASSERT_NE(list, best) << "the list is expected to drop the Ace here";

    struct Case {
        exact::HoldMask hold;
        bool beatsList;
    };
    // The best hold (which beats the list's) and holding nothing.
    for (const Case c : {Case{best, true}, Case{0, false}}) {
        SCOPED_TRACE(int(c.hold));
        Hold(exact::HeldOf(c.hold));
        view.figures.reset();
        round->DealOrDraw();
        ASSERT_TRUE(view.panelShown);
        ASSERT_TRUE(view.figures);
        EXPECT_EQ(view.figures->coins, 5);
        EXPECT_NEAR(view.figures->player, values.Credits(c.hold), 1e-9);
        EXPECT_NEAR(view.figures->list, values.Credits(list), 1e-9);
        EXPECT_NEAR(view.figures->best, values.Credits(best), 1e-9);
        EXPECT_NEAR(view.figures->Cost(), values.ShortfallPerCoin(c.hold) * 5, 1e-9);
        EXPECT_EQ(view.figures->PlayerMatchesList(), c.beatsList);
        EXPECT_EQ(view.panelLabels, exact::HeldOf(list)); // the stop follows the list
        round->CancelClick();
    }
    // Drawn with the best hold, the decision is judged as such.
    Hold(exact::HeldOf(best));
    round->DealOrDraw();
    round->ContinueClick();
    ASSERT_TRUE(round->LastDraw());
    EXPECT_EQ(round->LastDraw()->dealt, cards);
    EXPECT_EQ(round->LastDraw()->mode, DecisionMode::ShowMistakes);
    const auto judged = round->Judge(*round->LastDraw());
    ASSERT_TRUE(judged);
    EXPECT_EQ(judged->list, list);
    EXPECT_EQ(round->LastDraw()->held, best);
    EXPECT_NEAR(judged->heldPerCoin, judged->bestPerCoin, 1e-12);
    EXPECT_GT(judged->heldPerCoin, judged->listPerCoin);
}

} // namespace
} // namespace quintaro
