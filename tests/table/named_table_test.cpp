// A named pay table played through the round: read from the game's section,
// paid at every bet, shown on the panel, advised by its exact values, and
// gone tables falling back to the built-in one.

#include <gtest/gtest.h>

#include "../shell/test_files.h"
#include "advised_round.h"
#include "generate/generated_list.h"
#include "round_fakes.h"
#include "shell/pay_table_file.h"
#include "shell/settings.h"
#include "table/generated_lists.h"

namespace quintaro {
namespace {

using testing::Only;

class NamedTableRound : public testing::AdviceRoundTest {
protected:
    testing::ScratchDir dir;
    SettingsFile settings{dir / "Quintaro.ini"};
    PayTableBook book{dir / "PayTables.ini"};
    // Jacks or Better paying 99,999 per coin for a pair of Jacks or better.
    NamedPayTable big{
        kJacksOrBetter, "Big pair",
        ScheduleFromPerCoinPays(kJacksOrBetter, {0, 99'999, 2, 3, 4, 6, 9, 25, 50, 250})};

    void Open(const std::string& name) {
        ASSERT_TRUE(settings.SaveGame(kJacksOrBetter, true, 0, {}, {}, name));
        book.Load();
        round = std::make_unique<TableRound>(MakeGameEngine(kJacksOrBetter, tables), session, view,
                                             &advisor, &settings);
        round->SetPayTableBook(&book);
        round->Open();
    }
};

TEST_F(NamedTableRound, PaysItsRowAtEveryBetAndShowsItOnThePanel) {
    ASSERT_TRUE(book.Save(big));
    Open("big PAIR");
    EXPECT_EQ(E().payTableName, "Big pair");
    struct Cell {
        HandCategory row;
        int coins, shows;
    };
    for (const Cell c : {Cell{1, 1, 99'999}, Cell{1, 5, 499'995}, Cell{9, 4, 1000},
                         Cell{9, 5, 4000}, Cell{5, 3, 18}})
        EXPECT_EQ(round->PanelCell(c.row, c.coins), c.shows) << c.row << " " << c.coins;

    for (const int coins : {1, 5}) {
        session.credits = 10;
        NextDeal([](GameEngine& g) { return g.EvaluateTable() == 1; });
        for (int i = 0; i < coins; ++i) round->BetOne();
        if (coins < 5) round->DealOrDraw();
        Hold({true, true, true, true, true});
        log.clear();
        round->DealOrDraw();
        EXPECT_EQ(Only(log, "countup"),
                  (testing::Log{"countup " + std::to_string(99'999 * coins)}));
        EXPECT_EQ(session.credits, 10 - coins + 99'999 * coins);
        // The decision keeps the pays it was made on.
        ASSERT_TRUE(round->LastDraw());
        EXPECT_EQ(round->LastDraw()->pays, big.pays);
        EXPECT_EQ(round->HoldValuesHand()->pays, big.pays);
    }
    ASSERT_TRUE(round->Close());
    EXPECT_EQ(settings.LoadGame(kJacksOrBetter).PayTableName, "Big pair");
    EXPECT_TRUE(settings.LoadGame(kJacksOrBetter).AltPayTable);
}

// Auto Hold and Show Mistakes follow perfect play on the table's own pays:
// with a pair paying 99,999, a dealt pair is always held.
TEST_F(NamedTableRound, AdviceIsPerfectPlayOnItsPays) {
    ASSERT_TRUE(book.Save(big));
    Open("Big pair");
    session.autoHold = true;
    exact::Prepare(kJacksOrBetter);
    const PaySchedule pays = big.pays;
    // A deal whose best hold on the built-in table is no best hold here.
    NextDeal([pays](GameEngine& g) {
        const auto c = CardsOf(g.hand);
        const auto mine = exact::AnalyseHolds(kJacksOrBetter, pays, 5, c);
        return !mine.IsBest(exact::AnalyseHolds(kJacksOrBetter, 1, 5, c).best);
    });
    round->BetMax();
    const auto cards = CardsOf(E().hand);
    const auto held = testing::HeldFlags(E());
    const auto values = exact::AnalyseHolds(kJacksOrBetter, big.pays, 5, cards);
    EXPECT_TRUE(values.IsBest(exact::MaskOf(held)));
    EXPECT_FALSE(exact::AnalyseHolds(kJacksOrBetter, 1, 5, cards).IsBest(exact::MaskOf(held)));

    session.autoHold = false;
    session.showMistakes = true;
    round->DealOrDraw();
    NextDeal([](GameEngine& g) { return g.EvaluateTable() == 1; });
    round->BetMax();
    Hold({});
    log.clear();
    round->DealOrDraw();
    EXPECT_TRUE(round->MistakePanelUp());
    EXPECT_EQ(Only(log, "panel").size(), 1u);
}

// Once the table's generated list is ready, Auto Hold holds what the list
// holds, and Show Mistakes names the list's entry.
TEST_F(NamedTableRound, TheGeneratedListAdvisesOnceReady) {
    ASSERT_TRUE(book.Save(big));
    GeneratedLists lists;
    const auto list = lists.Get(kJacksOrBetter, big.pays);
    ASSERT_TRUE(list);
    advisor.UseGeneratedLists(&lists);
    Open("Big pair");
    session.autoHold = true;
    for (const std::int64_t seed : {11, 12, 13, 14, 15}) {
        E().clock = [seed] { return seed; };
        round->BetMax();
        ASSERT_EQ(round->State(), RoundState::Holding);
        EXPECT_EQ(exact::MaskOf(testing::HeldFlags(E())), GeneratedHold(*list, CardsOf(E().hand)))
            << seed;
        round->DealOrDraw();
    }
}

// A table that is gone falls back to AltPayTable, says so once, and the name
// is not written back; choosing a built-in table puts every entry back.
TEST_F(NamedTableRound, GoneTablesFallBackAndBuiltInTablesComeBack) {
    Open("Deleted long ago");
    EXPECT_EQ(Only(log, "notice").size(), 1u);
    EXPECT_FALSE(E().NamedTableInForce());
    EXPECT_EQ(E().altPayTable, 1);
    EXPECT_EQ(round->PanelCell(6, 1), 9);
    ASSERT_TRUE(round->Close());
    EXPECT_EQ(settings.LoadGame(kJacksOrBetter).PayTableName, "");

    ASSERT_TRUE(book.Save(big));
    Open("");
    log.clear();
    round->ChooseNamedTable(big);
    EXPECT_EQ(log, (testing::Log{"effect 3", "paycells"}));
    round->ChooseNamedTable(big);
    EXPECT_EQ(log.size(), 2u) << "the table in force again does nothing";
    EXPECT_EQ(round->PanelCell(1, 2), 199'998);
    round->ChoosePayTable(1);
    for (HandCategory row = 1; row <= 9; ++row)
        for (int coins = 1; coins <= 5; ++coins)
            EXPECT_EQ(round->PanelCell(row, coins),
                      BuiltInSchedule(kJacksOrBetter, 1).PerCoin(coins)[row] * coins);
}

} // namespace
} // namespace quintaro
