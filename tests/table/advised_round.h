#pragma once
// A round over the recording fakes with the real strategy advisor, for tests
// that check the advice and the exact values the round acts on.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

#include "round_fakes.h"
#include "strategy/classifier.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"

namespace quintaro::testing {

class AdviceRoundTest : public ::testing::Test {
protected:
    Log log;
    FakeSession session{log};
    FakeView view{log};
    PayTables tables;
    StrategyHoldAdvisor advisor;
    std::unique_ptr<TableRound> round;

    void OpenGame(int game) {
        round = std::make_unique<TableRound>(MakeGameEngine(game, tables), session, view, &advisor,
                                             nullptr);
        round->Open();
        log.clear();
    }
    GameEngine& E() { return round->Engine(); }
    // Deals the next hand for which `wanted` holds.
    void Deal(const std::function<bool(GameEngine&)>& wanted) {
        const std::int64_t seed = FindSeed(E(), wanted);
        ASSERT_GE(seed, 0);
        E().clock = [seed] { return seed; };
        round->BetMax();
        ASSERT_EQ(round->State(), RoundState::Holding);
    }
    void Hold(const std::array<bool, 5>& keep) {
        for (int p = 0; p < 5; ++p)
            if (E().hand[static_cast<std::size_t>(p)].held != keep[static_cast<std::size_t>(p)])
                round->ToggleHold(p);
    }
    Recommendation Expected() {
        HandAnalysis a;
        Recommendation r;
        AdviseHand(E().game, E().altPayTable, CardsOf(E().hand), a, r);
        return r;
    }
    static std::array<bool, 5> Flags(const std::array<std::uint8_t, 5>& f) {
        return {f[0] != 0, f[1] != 0, f[2] != 0, f[3] != 0, f[4] != 0};
    }
};

} // namespace quintaro::testing
