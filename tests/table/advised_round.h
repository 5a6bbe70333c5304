#pragma once
// A round over the recording fakes with a chosen advisor: the fixture of the
// round's tests.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>

#include "round_fakes.h"
#include "shell/settings.h"
#include "strategy/classifier.h"
#include "table/strategy_advisor.h"
#include "table/table_round.h"

namespace quintaro::testing {

template <typename Advisor> class RoundFixture : public ::testing::Test {
protected:
    Log log;
    FakeSession session{log};
    FakeView view{log};
    PayTables tables;
    Advisor advisor;
    std::unique_ptr<TableRound> round;

    // Opens `game` on a fixed clock and starts the log afresh.
    void OpenGame(int game, SettingsFile* settings = nullptr, bool withAdvisor = true) {
        round = std::make_unique<TableRound>(MakeGameEngine(game, tables), session, view,
                                             withAdvisor ? &advisor : nullptr, settings);
        round->Engine().clock = [] { return std::int64_t{1}; };
        round->Open();
        log.clear();
    }
    GameEngine& E() { return round->Engine(); }
    // Makes the next deal one for which `wanted` holds.
    void NextDeal(const std::function<bool(GameEngine&)>& wanted) {
        const std::int64_t seed = FindSeed(E(), wanted);
        ASSERT_GE(seed, 0) << "no seed found";
        E().clock = [seed] { return seed; };
    }
    void Hold(const std::array<bool, 5>& keep) {
        for (int p = 0; p < 5; ++p)
            if (E().hand[static_cast<std::size_t>(p)].held != keep[static_cast<std::size_t>(p)])
                round->ToggleHold(p);
    }
};

// With the real strategy advisor.
class AdviceRoundTest : public RoundFixture<StrategyHoldAdvisor> {
protected:
    // Deals, at five coins, the next hand for which `wanted` holds.
    void Deal(const std::function<bool(GameEngine&)>& wanted) {
        NextDeal(wanted);
        round->BetMax();
        ASSERT_EQ(round->State(), RoundState::Holding);
    }
    Recommendation Expected() { return AdviceFor(E()); }
    static std::array<bool, 5> Flags(const std::array<std::uint8_t, 5>& f) {
        return {f[0] != 0, f[1] != 0, f[2] != 0, f[3] != 0, f[4] != 0};
    }
};

} // namespace quintaro::testing
