// Whole rounds through the program's real session object: the money, the
// statistics, the bar, the sounds and the count-up as the player meets them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "../shell/session_recorder.h"
#include "round_fakes.h"
#include "shell/session.h"
#include "table/session_round_port.h"
#include "table/table_round.h"

namespace quintaro {
namespace {

using testing::FakeView;
using testing::FindSeed;
using testing::FixedAdvisor;
using testing::Only;

class SessionRoundTest : public ::testing::Test {
protected:
    // One folder per process and test: ctest runs the tests side by side.
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("quintaro_session_round_test-" + std::to_string(::getpid()) + "-" +
                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    testing::SessionRecorder recorder;
    std::unique_ptr<TVantaSession> session;
    std::unique_ptr<SessionRoundPort> port;
    FakeView view{recorder.log};
    PayTables tables;
    FixedAdvisor advisor;
    std::unique_ptr<TableRound> round;

    void SetUp() override {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        session = std::make_unique<TVantaSession>(
            SessionConfig{dir / "Quintaro.ini", {dir / "Schemes"}}, recorder.Services());
        recorder.AttachAll(*session);
        port = std::make_unique<SessionRoundPort>(*session);
    }
    void TearDown() override {
        round.reset();
        session->Close();
        std::filesystem::remove_all(dir);
    }
    void OpenGame(int game, std::int32_t credits) {
        session->Credits = credits;
        session->LastGame = game;
        session->ShowMistakes = false;
        round = std::make_unique<TableRound>(MakeGameEngine(game, tables), *port, view, &advisor,
                                             &session->Settings());
        round->Open();
        recorder.Clear();
    }
    GameEngine& E() { return round->Engine(); }
    // The next deal is of category `dealt` and is kept whole.
    void NextPatDeal(HandCategory dealt) {
        const std::int64_t seed =
            FindSeed(E(), [&](GameEngine& g) { return g.EvaluateTable() == dealt; });
        ASSERT_GE(seed, 0);
        E().clock = [seed] { return seed; };
    }
    void HoldAll() {
        for (int p = 0; p < 5; ++p) round->ToggleHold(p);
    }
    std::vector<std::string> Sounds() {
        std::vector<std::string> out;
        for (const auto& s : recorder.log)
            if (s.rfind("effect", 0) == 0 || s.rfind("tone", 0) == 0) out.push_back(s);
        return out;
    }
};

TEST_F(SessionRoundTest, PerfectPlayIsTheSessionsFlag) {
    OpenGame(kJacksOrBetter, 100);
    round->TogglePerfectPlay();
    EXPECT_TRUE(session->PerfectPlay);
    EXPECT_TRUE(port->PerfectPlay());
    EXPECT_EQ(view.playMode, "Normal \u00b7 Perfect");
    round->TogglePerfectPlay();
    EXPECT_FALSE(session->PerfectPlay);
}

TEST_F(SessionRoundTest, LeavingTheGameReportsWhetherItsSectionWasSaved) {
    OpenGame(kDoubleBonus, 100);
    round->BetMax();
    round->DealOrDraw();
    EXPECT_TRUE(round->Close());
    EXPECT_TRUE(session->Settings().LoadGame(kDoubleBonus).storedHand);
    // A folder where the settings file should be: the save fails and says why.
    std::filesystem::remove(dir / "Quintaro.ini");
    std::filesystem::create_directories(dir / "Quintaro.ini");
    const FileResult failed = round->Close();
    EXPECT_FALSE(failed);
    EXPECT_NE(failed.error.find("Quintaro.ini"), std::string::npos);
    std::filesystem::remove_all(dir / "Quintaro.ini");
}

TEST_F(SessionRoundTest, MaxBetRoundWithAWinCountedUp) {
    OpenGame(kJacksOrBetter, 100);
    NextPatDeal(2); // two pair, kept: pays 2 per coin
    round->BetMax();
    EXPECT_EQ(session->Credits, 95);
    EXPECT_EQ(session->Statistics.HandsPlayed[0], 1);
    EXPECT_EQ(session->BarState, 8);
    EXPECT_EQ(session->ButtonBarTable[8][6], 14);
    HoldAll();
    recorder.Clear();
    round->DealOrDraw();
    EXPECT_EQ(session->Credits, 105);
    EXPECT_EQ(session->WinMeter, 10);
    EXPECT_EQ(session->Statistics.CreditsBet[0], 5);
    EXPECT_EQ(session->Statistics.HandCount[0][2], 1);
    EXPECT_EQ(session->Statistics.CreditsPaid[0][2], 10);
    // The DRAW press, then ten steps of one credit with tones 1 to 10, then silence.
    std::vector<std::string> expected{"effect 5"};
    for (int t = 1; t <= 10; ++t) expected.push_back("tone " + std::to_string(t));
    expected.push_back("tone 0");
    EXPECT_EQ(Sounds(), expected);
    EXPECT_EQ(session->BarState, 7);
    EXPECT_EQ(session->ButtonBarTable[7], (BarRow{1, 10, 6, 0, 17, 18, 9}));
    EXPECT_TRUE(session->DealSlotEnabled);
    EXPECT_EQ(E().lastBet, 5);
}

TEST_F(SessionRoundTest, EscapeFinishesTheCountUp) {
    OpenGame(kJacksOrBetter, 100);
    NextPatDeal(7); // four of a kind: 125 at five coins
    round->BetMax();
    HoldAll();
    // The first answer is a press from before the count, which is forgotten.
    recorder.escapeAnswers = {true, false, true};
    recorder.Clear();
    round->DealOrDraw();
    EXPECT_EQ(session->Credits, 95 + 125);
    EXPECT_EQ(session->WinMeter, 125);
    // Two steps were counted (3 credits each while 31 or more remain), then the rest at once.
    const auto tones = Only(recorder.log, "tone");
    EXPECT_EQ(tones, (std::vector<std::string>{"tone 1", "tone 2", "tone 3", "tone 0"}));
    const auto credits = Only(recorder.log, "credits");
    ASSERT_GE(credits.size(), 3u);
    EXPECT_EQ(credits[credits.size() - 3], "credits 98");
    EXPECT_EQ(credits[credits.size() - 2], "credits 101");
    EXPECT_EQ(credits.back(), "credits 220");
}

TEST_F(SessionRoundTest, FastCreditsPayAtOnce) {
    OpenGame(kDeucesWild, 20);
    session->FastCredits = true;
    NextPatDeal(3); // a flush: 2 per coin
    round->BetOne();
    round->BetOne();
    round->DealOrDraw();
    HoldAll();
    recorder.Clear();
    round->DealOrDraw();
    EXPECT_EQ(session->Credits, 18 + 4);
    EXPECT_EQ(Only(recorder.log, "tone"), (std::vector<std::string>{"tone 1"}));
    EXPECT_EQ(session->Statistics.CreditsPaid[kDeucesWild][3], 4);
}

TEST_F(SessionRoundTest, RunningOutOfCreditsOpensTheBillsDialog) {
    OpenGame(kJacksOrBetter, 1);
    const std::int64_t seed = FindSeed(E(), [](GameEngine& g) {
        if (g.EvaluateTable() != 0) return false;
        g.DrawReplacements();
        return g.EvaluateTable() == 0;
    });
    E().clock = [seed] { return seed; };
    round->BetOne();
    EXPECT_EQ(session->ButtonBarTable[7][4], 0);
    round->DealOrDraw();
    recorder.Clear();
    round->DealOrDraw();
    EXPECT_EQ(Only(recorder.log, "bills dialog").size(), 1u);
    EXPECT_EQ(session->Credits, 0);
    EXPECT_EQ(session->BarState, 6);
    EXPECT_EQ(session->ButtonBarTable[6][4], 0);
    // With bills inserted the bar offers BET 1 and MAX BET, and Deal deals again.
    recorder.billsAnswer = 5;
    round->InsertBills1Click();
    EXPECT_EQ(session->Credits, 20);
    EXPECT_EQ(session->BarState, 7);
    EXPECT_EQ(session->ButtonBarTable[7][4], 17);
    EXPECT_EQ(session->ButtonBarTable[7][5], 18);
    EXPECT_TRUE(session->DealSlotEnabled);
    round->DealOrDraw();
    EXPECT_EQ(round->State(), RoundState::Holding);
    EXPECT_EQ(session->Credits, 19);
}

TEST_F(SessionRoundTest, SpeedSetsTheCardPause) {
    for (int speed : {0, 1, 2}) {
        OpenGame(kBonusPoker, 10);
        session->WhichSpeed = speed;
        round->BetMax();
        const auto pauses = Only(recorder.log, "pause");
        const std::string want = "pause " + std::to_string(E().cardPause[speed]);
        EXPECT_EQ(std::count(pauses.begin(), pauses.end(), want), 5) << speed;
    }
}

} // namespace
} // namespace quintaro
