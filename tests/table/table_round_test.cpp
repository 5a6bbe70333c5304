// Whole rounds of the play round driven through recording fakes.

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "../shell/test_files.h"
#include "advised_round.h"
#include "core/hand_names.h"
#include "round_fakes.h"
#include "shell/settings.h"
#include "table/table_round.h"

namespace quintaro {
namespace {

using testing::FakeDecisions;
using testing::FakeSession;
using testing::FakeView;
using testing::FindSeed;
using testing::FixedAdvisor;
using testing::Log;
using testing::Only;

class RoundTest : public testing::RoundFixture<FixedAdvisor> {
protected:
    // Dealt hand of category `dealt`; with every position not in `keep` drawn,
    // the final hand is of category `final`.
    void NextRound(HandCategory dealt, HandCategory final, std::array<bool, 5> keep = {}) {
        NextDeal([&](GameEngine& g) {
            if (g.EvaluateTable() != dealt) return false;
            for (std::size_t p = 0; p < 5; ++p) g.hand[p].held = keep[p];
            g.DrawReplacements();
            return g.EvaluateTable() == final;
        });
    }
    std::vector<int> Bar(int state) { return session.Row(state); }
};

TEST_F(RoundTest, OneCoinLosingRoundStepByStep) {
    OpenGame(kJacksOrBetter);
    NextRound(0, 0);
    round->BetOne();
    EXPECT_EQ(round->State(), RoundState::Betting);
    // Credits, hands played and credits bet: the bet counts when the hand is finished.
    EXPECT_EQ(std::tie(session.credits, session.handsPlayed[0], session.creditsBet[0]),
              std::make_tuple(99, 1, 0));
    EXPECT_EQ(Bar(7), (std::vector<int>{1, 0, 6, 0, 17, 18, 9}));
    EXPECT_TRUE(session.dealSlotEnabled);
    EXPECT_EQ(round->BlinkPhase(), 2);
    EXPECT_EQ(Only(log, "back").size(), 5u);
    EXPECT_EQ(Only(log, "column"), (Log{"column 5 off", "column 1 on"}));
    EXPECT_EQ(Only(log, "effect").size(), 0u);
    EXPECT_EQ(Only(log, "press"), (Log{"press 5"}));

    log.clear();
    round->DealOrDraw();
    ASSERT_EQ(round->State(), RoundState::Holding);
    // The deal: bar blank, five faces each with a click and a pause, then DRAW.
    std::vector<std::string> deal;
    for (const auto& s : log)
        if (s.rfind("face", 0) == 0 || s.rfind("effect", 0) == 0 || s.rfind("pause", 0) == 0 ||
            s.rfind("bar", 0) == 0 || s.rfind("press", 0) == 0)
            deal.push_back(s.rfind("face", 0) == 0 ? s.substr(0, 6) : s);
    std::vector<std::string> expected{"press 7", "bar 0: 0 0 0 0 0 0 0"};
    for (const char* face : {"face 0", "face 1", "face 2", "face 3", "face 4"})
        expected.insert(expected.end(), {face, "effect 3", "pause 100"});
    expected.push_back("bar 8: 1 0 6 0 0 0 14");
    EXPECT_EQ(deal, expected);
    EXPECT_TRUE(round->Holding());
    EXPECT_TRUE(round->DealShown());
    EXPECT_FALSE(session.dealSlotEnabled);

    log.clear();
    round->DealOrDraw();
    EXPECT_EQ(round->State(), RoundState::GameOver);
    EXPECT_EQ(Only(log, "press"), (Log{"press 7"}));
    EXPECT_EQ(Only(log, "back").size(), 5u);
    EXPECT_EQ(Only(log, "pause").size(), 6u); // one after the backs, one per new card
    EXPECT_EQ(Only(log, "effect").size(), 5u);
    EXPECT_EQ(Only(log, "info"), (Log{"info on"}));
    EXPECT_EQ(Only(log, "gameover"), (Log{"gameover on"}));
    EXPECT_TRUE(Only(log, "countup").empty());
    EXPECT_EQ(std::tie(session.credits, session.creditsBet[0], session.handCount[0][0]),
              std::make_tuple(99, 1, 1));
    EXPECT_EQ(Bar(7), (std::vector<int>{1, 10, 6, 0, 17, 18, 9}));
    EXPECT_EQ(session.barState, 7);
    EXPECT_TRUE(session.dealSlotEnabled);
    EXPECT_EQ(E().lastBet, 1);
}

TEST_F(RoundTest, WinningDrawPaysCountsUpAndBlinks) {
    OpenGame(kJacksOrBetter);
    const std::array<bool, 5> all{true, true, true, true, true};
    NextRound(2, 2, all); // two pair dealt and kept
    round->BetMax();
    EXPECT_EQ(session.credits, 95);
    Hold(all);
    log.clear();
    round->DealOrDraw();
    // Holding all five draws nothing and pauses once.
    EXPECT_EQ(Only(log, "pause").size(), 1u);
    EXPECT_TRUE(Only(log, "back").empty());
    EXPECT_EQ(Only(log, "countup"), (Log{"countup 10"}));
    EXPECT_EQ(std::tie(session.credits, session.creditsPaid[0][2], session.handCount[0][2],
                       session.creditsBet[0]),
              std::make_tuple(105, 10, 1, 5));
    EXPECT_EQ(view.winCaption, "Two Pair  wins  10");
    // The WIN picture comes before the count-up, the MENU tile after it.
    const auto win = std::find(log.begin(), log.end(), "win on");
    const auto count = std::find(log.begin(), log.end(), "countup 10");
    EXPECT_LT(win, count);
    EXPECT_TRUE(round->WinBlink());
    EXPECT_EQ(round->RowColourOf(2), RowColour::White);
    // Two ticks white with DEAL lit, one yellow with DEAL dark.
    std::vector<std::pair<RowColour, int>> ticks;
    for (int t = 0; t < 6; ++t) {
        round->Timer1Timer();
        ticks.emplace_back(round->RowColourOf(2), Bar(7)[6]);
    }
    const std::vector<std::pair<RowColour, int>> expected{
        {RowColour::White, 9}, {RowColour::Yellow, 0}, {RowColour::White, 9},
        {RowColour::White, 9}, {RowColour::Yellow, 0}, {RowColour::White, 9}};
    EXPECT_EQ(ticks, expected);
    // The next round turns the row yellow for good.
    round->BetOne();
    EXPECT_FALSE(round->WinBlink());
    EXPECT_EQ(round->RowColourOf(2), RowColour::Yellow);
    round->Timer1Timer();
    round->Timer1Timer();
    EXPECT_EQ(round->RowColourOf(2), RowColour::Yellow);
}

TEST_F(RoundTest, BetTilesAreLitOnlyWhileAPressOnThemActs) {
    // The reported case: a five-coin round leaves 2 credits, bills bring 3 more
    // than that is not enough for MAX BET nor for betting the last round again.
    session.credits = 7;
    session.billsToAdd = 1;
    OpenGame(kJacksOrBetter);
    NextRound(0, 0);
    round->BetMax();
    round->DealOrDraw();
    ASSERT_EQ(session.credits, 2);
    round->InsertBills1Click();
    EXPECT_EQ(session.credits, 3);
    EXPECT_EQ(session.barState, 7);
    EXPECT_EQ(Bar(7)[4], 17);
    EXPECT_EQ(Bar(7)[5], 0);
    EXPECT_EQ(Bar(7)[6], 0);

    // Any walk of bets, deals, draws and bills: every lit BET 1, MAX BET, DEAL
    // or DRAW tile does something when pressed.
    std::uint32_t random = 12345;
    auto next = [&random](std::uint32_t n) {
        random = random * 1664525u + 1013904223u;
        return (random >> 8) % n;
    };
    const std::int32_t bills[] = {0, 1, 2, 4, 20};
    session.credits = 3;
    OpenGame(kJacksOrBetter);
    int pressedLit = 0;
    for (int step = 0; step < 3000; ++step) {
        if (next(4) == 0) {
            session.billsToAdd = bills[next(5)];
            round->InsertBills1Click();
            continue;
        }
        const int slot = 4 + static_cast<int>(next(3)); // BET 1, MAX BET, DEAL/DRAW
        const int tile = session.table[session.barState][slot];
        const auto before = std::make_tuple(session.credits, E().bet, round->State());
        round->ButtonsMouseDown(slot * 108 + 50, 10, true);
        const bool acted = before != std::make_tuple(session.credits, E().bet, round->State());
        if (tile != 0) {
            ++pressedLit;
            ASSERT_TRUE(acted) << "step " << step << ": tile " << tile << " in slot " << slot + 1
                               << " of bar " << session.barState << " did nothing with "
                               << session.credits << " credits";
        }
    }
    EXPECT_GT(pressedLit, 1000);
}

// While the deal runs (MAX BET: coins and cards, with pauses) no command is
// allowed and keys and clicks are ignored; once the deal is shown the cards
// take clicks again. The mistake panel holds back only what changes the hand.
TEST_F(RoundTest, InputDuringTheDealIsIgnored) {
    session.showMistakes = true;
    OpenGame(kJacksOrBetter);
    advisor.advice.hold = {true, true, true, true, true};
    EXPECT_TRUE(round->CommandAllowed(true));
    int nested = 0;
    view.onProcess = [&] {
        EXPECT_FALSE(round->CommandAllowed(false) || round->CommandAllowed(true));
        if (round->Holding()) return;
        ++nested;
        round->KeyDown(TableKey::DealDraw);
        round->KeyDown(TableKey::Card0);
        round->ButtonsMouseDown(6 * 108 + 5, 5, true);
        round->CardsMouseDown(10, 10, true);
    };
    round->KeyDown(TableKey::Card4);
    view.onProcess = nullptr;
    EXPECT_GT(nested, 5);
    EXPECT_EQ(round->State(), RoundState::Holding);
    EXPECT_EQ(Only(log, "press").size(), 1u);
    EXPECT_EQ(Only(log, "face").size(), 5u);
    for (const auto& slot : E().hand) EXPECT_FALSE(slot.held);
    round->KeyDown(TableKey::DealDraw); // nothing held: the panel stops the draw
    ASSERT_TRUE(round->MistakePanelUp());
    EXPECT_TRUE(round->CommandAllowed(false));
    EXPECT_FALSE(round->CommandAllowed(true));
    round->CancelClick();
    EXPECT_TRUE(round->CommandAllowed(true));
}

TEST_F(RoundTest, ShowMistakesStopsAWrongHold) {
    session.showMistakes = true;
    OpenGame(kJacksOrBetter);
    advisor.advice.strategyIndex = 17;
    advisor.advice.hold = {true, false, true, false, false};
    advisor.advice.altValid = true;
    advisor.advice.altHold = {false, true, true, false, false};
    advisor.advice.name = "Some Entry";
    advisor.advice.ev = 0.5;
    NextRound(0, 0);
    round->BetMax();
    log.clear();
    round->DealOrDraw(); // holds nothing: a mistake
    EXPECT_EQ(Only(log, "effect"), (Log{"effect 4"}));
    EXPECT_TRUE(Only(log, "press").empty());
    EXPECT_TRUE(view.panelShown);
    EXPECT_EQ(view.panelLabels, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(view.panelName, "Some Entry");
    EXPECT_EQ(round->State(), RoundState::Holding);
    EXPECT_EQ(round->StrategyIndex(), 17);
    // The panel blocks keys and card clicks.
    log.clear();
    round->KeyDown(TableKey::Card0);
    round->CardsMouseDown(10, 10, true);
    round->KeyDown(TableKey::DealDraw);
    EXPECT_TRUE(log.empty());
    // The strategy table from the panel selects the entry; the panel stays.
    round->StrategyTableClick();
    EXPECT_TRUE(view.lastTableSelected);
    EXPECT_TRUE(round->MistakePanelUp());
    // Cancel, then Draw with the same hold stops again.
    round->CancelClick();
    EXPECT_FALSE(view.panelShown);
    round->DealOrDraw();
    EXPECT_TRUE(view.panelShown);
    round->CancelClick();
    // The alternate hold is accepted.
    round->ToggleHold(1);
    round->ToggleHold(2);
    log.clear();
    round->DealOrDraw();
    EXPECT_FALSE(view.panelShown);
    EXPECT_EQ(Only(log, "press"), (Log{"press 7"}));
    EXPECT_EQ(round->State(), RoundState::GameOver);
    EXPECT_EQ(advisor.calls, 3);
}

// Every draw tells its decision once, before the first replacement is shown,
// with the hold it is finally drawn with; the deal tells its hand before the
// first card face.
TEST_F(RoundTest, EveryDrawIsToldOnceWithTheHoldDrawn) {
    struct Case {
        bool autoHold, showMistakes;
        DecisionMode mode;
        std::uint8_t held; // as drawn
    };
    const Case cases[] = {
        {false, false, DecisionMode::Normal, 0b00101},
        {true, false, DecisionMode::AutoHold, 0b10010},
        {false, true, DecisionMode::ShowMistakes, 0b10010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        log.clear();
        FakeDecisions decisions(log);
        session.autoHold = c.autoHold;
        session.showMistakes = c.showMistakes;
        OpenGame(kBonusPoker);
        round->SetDecisionPort(&decisions);
        round->ChoosePayTable(1);
        advisor.advice = {};
        advisor.advice.hold = {false, true, false, false, true};
        NextRound(0, 0, {});
        round->BetOne();
        round->BetOne();
        round->DealOrDraw();
        ASSERT_EQ(decisions.dealt.size(), 1u);
        EXPECT_EQ(decisions.dealtCoins[0], 2);
        const auto dealtAt = std::find(log.begin(), log.end(), "dealt 1 1 2");
        const auto firstFace = std::find_if(
            log.begin(), log.end(), [](const std::string& s) { return s.rfind("face", 0) == 0; });
        EXPECT_LT(dealtAt, firstFace);
        if (!c.autoHold) Hold(exact::HeldOf(c.held));
        const auto dealt = CardsOf(E().hand);
        EXPECT_EQ(decisions.dealt[0], dealt);
        log.clear();
        round->DealOrDraw();
        ASSERT_EQ(round->State(), RoundState::GameOver);
        ASSERT_EQ(decisions.drawn.size(), 1u);
        const Decision& d = decisions.drawn[0];
        EXPECT_EQ(
            std::tie(d.game, d.payTable, d.coins, d.dealt, d.held, d.mode, d.perfectPlay, d.source),
            std::make_tuple(kBonusPoker, 1, 2, dealt, c.held, c.mode, false,
                            DecisionSource::Table));
        const auto toldAt = std::find(log.begin(), log.end(), "decision " + std::to_string(c.held));
        const auto firstBack = std::find_if(
            log.begin(), log.end(), [](const std::string& s) { return s.rfind("back", 0) == 0; });
        EXPECT_LT(toldAt, firstBack);
    }
}

// Every game plays a whole five-coin round and pays exactly its pay row.
TEST_F(RoundTest, EveryGamePaysItsPayRow) {
    for (int game = 0; game < kGameCount; ++game) {
        session.credits = 50;
        OpenGame(game);
        const std::array<bool, 5> all{true, true, true, true, true};
        NextDeal([](GameEngine& g) { return g.EvaluateTable() >= 2; });
        round->BetMax();
        const HandCategory dealt = round->DealtCategory();
        ASSERT_GE(dealt, 2);
        Hold(all);
        round->DealOrDraw();
        const std::int32_t win = tables.Payout(game, dealt, 5);
        EXPECT_GT(win, 0);
        EXPECT_EQ(session.credits, 45 + win) << game;
        EXPECT_EQ(session.creditsPaid[game][dealt], win);
        EXPECT_EQ(session.handsPlayed[game], 1);
        const auto names = CategoryNamesFor(game);
        EXPECT_EQ(view.winCaption,
                  std::string(names[dealt].winName) + "  wins  " + std::to_string(win));
    }
}

TEST_F(RoundTest, ClosingWritesTheGameSection) {
    const testing::ScratchDir dir;
    SettingsFile settings(dir / "Quintaro.ini");
    // A visit without a round writes only the pay-table choice.
    OpenGame(kBonusPoker, &settings);
    round->ChoosePayTable(1);
    round->Close();
    GameSettings read = settings.LoadGame(kBonusPoker);
    EXPECT_TRUE(read.AltPayTable);
    EXPECT_FALSE(read.storedHand);
    // A visit with a round stores its bet and hand; they come back at the next visit.
    OpenGame(kBonusPoker, &settings);
    EXPECT_EQ(E().altPayTable, 1);
    NextRound(0, 0);
    round->BetOne();
    round->BetOne();
    round->DealOrDraw();
    round->ToggleHold(3);
    EXPECT_FALSE(round->CanClose());
    round->DealOrDraw();
    ASSERT_TRUE(round->CanClose());
    const Hand hand = E().hand;
    round->Close();
    read = settings.LoadGame(kBonusPoker);
    EXPECT_TRUE(read.storedHand);
    EXPECT_EQ(read.LastBet, 2);
    for (std::size_t p = 0; p < 5; ++p) {
        EXPECT_EQ(read.LastDrawn[p], hand[p].card);
        EXPECT_EQ(read.LastHeld[p], hand[p].held);
    }
    OpenGame(kBonusPoker, &settings);
    EXPECT_EQ(E().lastBet, 2);
    EXPECT_EQ(E().hand[3].card, hand[3].card);
}

} // namespace
} // namespace quintaro
