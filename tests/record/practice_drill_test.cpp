// The practice drill's rules: which hands come first, the three best answers
// in a row that let a hand go, the tally, and the answers kept as drill rows.

#include <gtest/gtest.h>

#include "record/practice_drill.h"

namespace quintaro {
namespace {

std::array<Card, 5> Cards(int first) {
    return {first, first + 1, first + 2, first + 3, first + 4};
}

DecisionRow Mistake(std::int64_t id, int first, double cost,
                    DecisionSource source = DecisionSource::Table) {
    DecisionRow r;
    r.id = id;
    r.coins = 5;
    r.dealt = Cards(first);
    r.evBest = 10;
    r.evHeld = 10 - cost;
    r.evList = 10;
    r.source = source;
    return r;
}

DecisionRow Best(std::int64_t id, int first, DecisionSource source = DecisionSource::Drill) {
    return Mistake(id, first, 0, source);
}

// Values without the engine: hold 3 is the one best hold; the list holds 1
// for hands starting at card 40 and above, else 3.
HandValues FakeValues(int, int, int coins, const std::array<Card, 5>& dealt) {
    HandValues v;
    v.values.coins = coins;
    for (int m = 0; m < exact::kHoldCount; ++m) v.values.perCoin[m] = 0.5;
    v.values.perCoin[3] = 1.0;
    v.values.best = 3;
    v.values.bestSet = 1u << 3;
    v.listHold = dealt[0] >= 40 ? 1 : 3;
    return v;
}

TEST(PracticeDrill, PendingMistakesCostliestThenNewestWithoutMasteredHands) {
    const std::vector<DecisionRow> mistakes = {
        Mistake(1, 0, 2.0),  Mistake(2, 5, 4.0), Mistake(3, 10, 2.0), Mistake(4, 15, 1.0),
        Mistake(5, 20, 3.0), Mistake(6, 0, 1.5), // the hand at 0 again: one hand, its larger cost
    };
    const std::vector<DecisionRow> drills = {
        Best(7, 15),  Best(8, 15),
        Best(9, 15), // mastered since its mistake
        Best(10, 20), Mistake(11, 20, 3.0, DecisionSource::Drill),
        Best(12, 20),               // one in a row
        Best(13, 10), Best(14, 10), // two in a row
    };
    const auto pending = PendingMistakes(mistakes, drills);
    std::vector<std::pair<Card, int>> got;
    for (const DrillHand& h : pending) got.emplace_back(h.dealt[0], h.streak);
    // Costs 4, 3, 2 and 2: of equal costs the newer mistake (the hand at 0,
    // row 6) before the older (the hand at 10, row 3).
    EXPECT_EQ(got, (std::vector<std::pair<Card, int>>{{5, 0}, {20, 1}, {0, 0}, {10, 2}}));
    EXPECT_DOUBLE_EQ(pending.back().cost, 2.0);
    for (const DrillHand& h : pending) EXPECT_EQ(h.origin, DrillHand::Origin::Mistake);
}

TEST(PracticeDrill, HandsLeaveAfterThreeBestAnswersInARow) {
    std::vector<DrillHand> mistakes(2);
    mistakes[0].dealt = Cards(0);
    mistakes[1].dealt = Cards(5);
    mistakes[1].streak = 2; // answered well twice in an earlier drill
    for (DrillHand& h : mistakes) h.origin = DrillHand::Origin::Mistake;
    PracticeDrill drill(0, 0, mistakes, {}, 7);
    drill.SetValuer(&FakeValues);
    std::vector<DecisionRow> kept;
    drill.SetAppend([&](DecisionRow& r) {
        kept.push_back(r);
        return true;
    });
    struct Step {
        Card shown;
        std::uint8_t held;
        bool leaves;
    };
    // Hold 3 is best. The hand at 5 leaves on its next best answer; the hand
    // at 0 needs three in a row, a wrong answer starting it over.
    const Step steps[] = {
        {0, 3, false}, {5, 3, true}, {0, 1, false}, {0, 3, false}, {0, 3, false}, {0, 3, true},
    };
    for (const Step& s : steps) {
        ASSERT_EQ(drill.Current().dealt[0], s.shown);
        ASSERT_EQ(drill.Current().origin, DrillHand::Origin::Mistake);
        const DrillAnswer a = drill.Answer(s.held);
        EXPECT_EQ(a.best, s.held == 3);
        EXPECT_EQ(a.leaves, s.leaves);
        EXPECT_EQ(std::tie(a.row.source, a.row.held, a.row.bestHold),
                  std::make_tuple(DecisionSource::Drill, int(s.held), 3));
        // A second check of the same hand changes nothing.
        EXPECT_EQ(drill.Answer(s.held).leaves, s.leaves);
        drill.Next();
    }
    EXPECT_EQ(kept.size(), 6u);
    const DrillTally& t = drill.Tally(); // 5 coins x 0.5 lost
    EXPECT_EQ(std::tie(t.answered, t.best, t.mastered, t.creditsLost),
              std::make_tuple(6, 5, 2, 2.5));
    // With the mistakes gone: hands whose list hold is not best, then others.
    const DrillHand& next = drill.Current();
    EXPECT_EQ(next.origin, DrillHand::Origin::ListDiffers);
    EXPECT_GE(next.dealt[0], 40);
    EXPECT_EQ(drill.Waiting(), static_cast<std::size_t>(PracticeDrill::kGap + 1));
}

TEST(PracticeDrill, RecordedListDiffersHandsComeBeforeGeneratedOnes) {
    DecisionRow a = Best(1, 10, DecisionSource::Table);
    a.evList = 9; // the list's hold gave away a credit
    DecisionRow b = Best(2, 20, DecisionSource::Table);
    DecisionRow c = Best(3, 30, DecisionSource::Table);
    c.evList = 9.5;
    const auto hands = ListDiffersHands({a, b, c}, {});
    ASSERT_EQ(hands.size(), 2u);
    EXPECT_EQ(hands[0].dealt[0], 30); // newest first
    EXPECT_EQ(hands[1].dealt[0], 10);
    DrillHand skip;
    skip.dealt = Cards(30);
    skip.coins = 5;
    EXPECT_EQ(ListDiffersHands({a, b, c}, {skip}).size(), 1u);

    PracticeDrill drill(0, 0, {}, hands, 3);
    drill.SetValuer(&FakeValues);
    EXPECT_EQ(drill.Current().dealt[0], 30);
    drill.Answer(3);
    drill.Next();
    EXPECT_EQ(drill.Current().dealt[0], 10);
    // Without any hand whose list hold differs, random hands.
    PracticeDrill plain(0, 0, {}, {}, 3);
    plain.SetValuer([](int g, int p, int coins, const std::array<Card, 5>& d) {
        HandValues v = FakeValues(g, p, coins, d);
        v.listHold = 3;
        return v;
    });
    EXPECT_EQ(plain.Current().origin, DrillHand::Origin::Random);
}

// A named table's drill deals its mistakes again and values every answer on
// the table's own pays, recording it under the table's name and pays.
TEST(PracticeDrill, NamedTableIsDrilledOnItsOwnPays) {
    NamedPayTable table{2, "Rich quads", BuiltInSchedule(2, 0)};
    for (PayRow* row : {&table.pays.belowFive, &table.pays.atFive}) (*row)[8] = 400;
    DecisionRow mistake = Mistake(1, 0, 2.0);
    mistake.game = 2;
    mistake.tableName = table.name;
    mistake.pays = table.pays;
    PracticeDrill drill(2, 0, PendingMistakes({mistake}, {}), {}, 11);
    drill.SetNamedTable(table, nullptr);
    std::vector<DecisionRow> kept;
    drill.SetAppend([&](DecisionRow& r) {
        kept.push_back(r);
        return true;
    });
    EXPECT_EQ(drill.Current().origin, DrillHand::Origin::Mistake);
    // The mistake answered badly stays; best answers let it go, and random
    // hands are valued on the table's pays too.
    for (int answer = 0; answer < 6; ++answer) {
        const DrillHand hand = drill.Current();
        const exact::HoldValues want = exact::AnalyseHolds(2, table.pays, hand.coins, hand.dealt);
        const DrillAnswer a = drill.Answer(answer == 0 ? 0 : want.best);
        EXPECT_EQ(a.values.perCoin, want.perCoin);
        EXPECT_NE(a.values.perCoin, exact::AnalyseHolds(2, 0, hand.coins, hand.dealt).perCoin);
        EXPECT_DOUBLE_EQ(a.row.evBest, want.Credits(want.best));
        drill.Next();
    }
    EXPECT_EQ(drill.Tally().mastered, 1);
    ASSERT_EQ(kept.size(), 6u);
    for (const DecisionRow& r : kept) {
        EXPECT_TRUE(r.OnTable(table));
        EXPECT_EQ(r.source, DecisionSource::Drill);
    }
}

} // namespace
} // namespace quintaro
