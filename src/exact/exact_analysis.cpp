#include "exact/exact_analysis.h"

#include <algorithm>

#include "core/evaluation.h"
#include "core/hand_analysis.h"
#include "core/pay_table.h"
#include "strategy/classifier.h"

namespace quintaro::exact {

// A first, plain implementation: every draw of every hold is evaluated. It is the
// reference the fast engine replaces.
namespace {

PayTables PricedTables(int game, int choice, int coins) {
    PayTables tables;
    tables.Apply(game, choice);
    tables.ApplyRoyalRule(game, coins);
    return tables;
}

} // namespace

HoldValues AnalyseHolds(int game, int choice, int coins, const std::array<Card, 5>& cards) {
    const PayTables tables = PricedTables(game, choice, coins);
    const EvaluationFamily family = GameInfoFor(game).family;
    std::array<Card, 47> unseen{};
    int n = 0;
    for (Card c = 0; c < kCardCount; ++c)
        if (std::find(cards.begin(), cards.end(), c) == cards.end()) unseen[n++] = c;

    HoldValues v;
    v.coins = coins;
    HandAnalysis a;
    for (int mask = 0; mask < kHoldCount; ++mask) {
        std::array<Card, 5> hand{};
        int held = 0;
        for (int i = 0; i < 5; ++i)
            if (mask >> i & 1) hand[held++] = cards[i];
        const int need = 5 - held;
        std::array<int, 5> idx{};
        for (int k = 0; k < need; ++k) idx[k] = k;
        std::int64_t total = 0, draws = 0;
        for (;;) {
            for (int k = 0; k < need; ++k) hand[held + k] = unseen[idx[k]];
            total += tables.Payout(game, EvaluateCards(family, hand, a), coins);
            ++draws;
            int k = need - 1;
            while (k >= 0 && idx[k] == 47 - need + k) --k;
            if (k < 0) break;
            ++idx[k];
            for (int j = k + 1; j < need; ++j) idx[j] = idx[j - 1] + 1;
        }
        v.totals[mask] = total;
        v.draws[mask] = draws;
        v.perCoin[mask] = static_cast<double>(total) / static_cast<double>(draws) / coins;
    }
    for (int m = 1; m < kHoldCount; ++m)
        if (v.perCoin[m] > v.perCoin[v.best]) v.best = static_cast<HoldMask>(m);
    for (int m = 0; m < kHoldCount; ++m)
        if (v.perCoin[v.best] - v.perCoin[m] <= kTieTolerance) v.bestSet |= 1u << m;
    return v;
}

std::array<HoldMask, kHoldCount> RankHolds(const HoldValues& values) {
    std::array<HoldMask, kHoldCount> order{};
    for (int m = 0; m < kHoldCount; ++m) order[m] = static_cast<HoldMask>(m);
    std::stable_sort(order.begin(), order.end(),
                     [&](HoldMask x, HoldMask y) { return values.perCoin[x] > values.perCoin[y]; });
    return order;
}

HoldMask PerfectHold(const HoldValues& values, HoldMask listHold) {
    return values.IsBest(listHold) ? listHold : values.best;
}

HoldMask ListHold(int game, int choice, const std::array<Card, 5>& cards) {
    HandAnalysis a;
    Recommendation r;
    AdviseHand(game, choice, cards, a, r);
    HoldMask m = 0;
    for (int i = 0; i < 5; ++i)
        if (r.hold[i]) m |= static_cast<HoldMask>(1u << i);
    return m;
}

HoldMask MaskOf(const std::array<bool, 5>& held) {
    HoldMask m = 0;
    for (int i = 0; i < 5; ++i)
        if (held[i]) m |= static_cast<HoldMask>(1u << i);
    return m;
}

std::array<bool, 5> HeldOf(HoldMask mask) {
    std::array<bool, 5> held{};
    for (int i = 0; i < 5; ++i) held[i] = (mask >> i) & 1;
    return held;
}

PayTableReturn ComputeReturn(int, int, int, int) {
    return {}; // the fast engine computes it; the plain one would take hours
}

void Prepare(int) {}
bool IsPrepared(int) {
    return true;
}

} // namespace quintaro::exact
