#pragma once
// Exact expected values. For a dealt hand, every one of the 32 holds (a hold is
// the set of hand positions kept; bit i set = position i kept) is valued over all
// draws of the replacements from the 47 unseen cards, paying exactly as the game
// pays: the pay table in force for the choice and the royal rule for the coins.
//
// The engine keeps, per evaluation family, tables of final-hand counts by
// category; a pay table only prices them, so one set of tables serves every game
// and pay table of a family (about 5 MB, some 20 ms of work to build). A return
// calculation builds them on first need, Prepare() ahead of need (thread-safe;
// meant for a worker thread). AnalyseHolds never waits for them: until they
// exist it counts what the hand needs directly, in a few milliseconds; with
// them it takes about a microsecond.

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/card.h"
#include "core/game_variant.h"
#include "core/pay_table.h"

namespace quintaro::exact {

using HoldMask = std::uint8_t; // 0..31
inline constexpr int kHoldCount = 32;
// Two holds tie when their values per coin differ by no more than this.
inline constexpr double kTieTolerance = 1e-9;

struct HoldValues {
    int coins = 1;
    // The sum of the payouts in credits for the coins bet over every draw of a hold.
    std::array<std::int64_t, kHoldCount> totals{};
    // The number of draws of a hold: C(47, 5 - held cards).
    std::array<std::int64_t, kHoldCount> draws{};
    // The expected return per coin of each hold: totals / draws / coins.
    std::array<double, kHoldCount> perCoin{};
    HoldMask best = 0;         // the first best hold in mask order
    std::uint32_t bestSet = 0; // bit m set = hold m ties with the best

    double PerCoin(HoldMask m) const { return perCoin[m]; }
    // Expected return in credits for the coins bet.
    double Credits(HoldMask m) const { return perCoin[m] * coins; }
    // How much less a hold returns than the best, per coin (0 for a best hold).
    double ShortfallPerCoin(HoldMask m) const { return perCoin[best] - perCoin[m]; }
    bool IsBest(HoldMask m) const { return (bestSet >> m) & 1u; }
    // Whether a hold is worth less than the best by more than the tolerance.
    bool IsMistake(HoldMask m) const { return !IsBest(m); }
};

// Values all 32 holds of five distinct cards (in position order) for a game
// 0..8, pay-table choice 0/1 and coins 1..5.
HoldValues AnalyseHolds(int game, int choice, int coins, const std::array<Card, 5>& cards);
// The same for any pay table.
HoldValues AnalyseHolds(int game, const PaySchedule& pays, int coins,
                        const std::array<Card, 5>& cards);

// The 32 holds, best first; equal values keep mask order.
std::array<HoldMask, kHoldCount> RankHolds(const HoldValues& values);

// A best hold for playing: the list's hold when it is among the best, else the
// first best hold in mask order.
HoldMask PerfectHold(const HoldValues& values, HoldMask listHold);

// Converts between held flags by position and masks.
HoldMask MaskOf(const std::array<bool, 5>& held);
std::array<bool, 5> HeldOf(HoldMask mask);

// The return per coin of a pay table over all 2,598,960 deals at a bet.
struct PayTableReturn {
    double optimal = 0;  // the best hold of every deal
    double strategy = 0; // the strategy's hold of every deal
};
// A strategy's hold for five cards (in hand-position order) as a mask. It must
// not depend on the names of the suits (deals that differ only by a renaming
// of suits get the corresponding holds), and is called from several threads.
using HoldChooser = std::function<HoldMask(const std::array<Card, 5>& cards)>;
// The strategy's hold of every class of deals (see ClassCards), so that a
// strategy is asked once per class rather than once per deal.
std::vector<HoldMask> ClassHolds(const HoldChooser& strategy, int threads = 0);
// The cards of a class of deals in the order ClassHolds' masks refer to; there
// are ClassCount() classes.
int ClassCount();
std::array<Card, 5> ClassCards(int classIndex);
// Both returns of a pay table for a strategy. threads: 0 = as many as the
// machine has.
PayTableReturn ComputeReturn(int game, const PaySchedule& pays, int coins,
                             const HoldChooser& strategy, int threads = 0);
PayTableReturn ComputeReturn(int game, const PaySchedule& pays, int coins,
                             const std::vector<HoldMask>& classHolds, int threads = 0);
// The optimal return alone, faster.
double ComputeOptimalReturn(int game, int choice, int coins, int threads = 0);
double ComputeOptimalReturn(int game, const PaySchedule& pays, int coins, int threads = 0);

// Builds the tables of a game's family now, if they are not built yet.
void Prepare(int game);
// Whether the tables of a game's family exist (a first analysis is then instant).
bool IsPrepared(int game);

} // namespace quintaro::exact
