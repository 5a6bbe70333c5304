// The advice on a game table: the pay-table choice picks the list and the
// engine's own analysis is classified against it.

#include "advice_helpers.h"
#include "core/game_engine.h"
#include "strategy/engine_advice.h"

namespace quintaro {
namespace {

void Deal(GameEngine& engine, const std::string& text) {
    const auto cards = testing::Cards(text);
    for (int i = 0; i < 5; ++i)
        engine.hand[static_cast<std::size_t>(i)].card = cards[static_cast<std::size_t>(i)];
}

TEST(EngineAdvice, ClassifiesTheTableHandAgainstTheChosenList) {
    PayTables tables;
    auto engine = MakeGameEngine(kDoubleBonus, tables);
    Deal(*engine, "Ac Ad 5c 5h 9d");
    Recommendation r;
    AdviseTable(*engine, r);
    EXPECT_EQ(r.strategyIndex, 15);
    EXPECT_EQ(testing::Flags(r.hold), "11000"); // "Pair Aces" on 9/6
    engine->ApplyPayTable(1);
    ClassifyEngineRecord(*engine, r); // the record still describes the hand
    EXPECT_EQ(r.strategyIndex, 15);
    EXPECT_EQ(testing::Flags(r.hold), "11110"); // "Two Pair" on 10/7
}

TEST(EngineAdvice, DeucesEngineRecordCarriesTheDraws) {
    PayTables tables;
    auto engine = MakeGameEngine(kDeucesWild, tables);
    Deal(*engine, "2c 2d 4h 5h 9s");
    Recommendation r;
    EXPECT_EQ(engine->EvaluateTable(), 1); // two deuces: three of a kind
    ClassifyEngineRecord(*engine, r);
    EXPECT_EQ(r.strategyIndex, 11);
    engine->ApplyPayTable(1);
    ClassifyEngineRecord(*engine, r);
    EXPECT_EQ(r.strategyIndex, 14);
    EXPECT_EQ(testing::Flags(r.hold), "11110");
}

} // namespace
} // namespace quintaro
