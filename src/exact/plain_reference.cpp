#include <algorithm>

#include "core/evaluation.h"
#include "core/hand_analysis.h"
#include "core/pay_table.h"
#include "exact/engine.h"

namespace quintaro::exact::detail {

// Every draw of every hold is dealt and evaluated: slow, and plainly right.
PlainCounts PlainCountHolds(EvaluationFamily family, const std::array<Card, 5>& cards,
                            bool viaLookup) {
    std::array<Card, 47> unseen{};
    int n = 0;
    for (Card c = 0; c < kCardCount; ++c)
        if (std::find(cards.begin(), cards.end(), c) == cards.end()) unseen[n++] = c;
    PlainCounts counts{};
    HandAnalysis a;
    for (int mask = 0; mask < kHoldCount; ++mask) {
        std::array<Card, 5> hand{};
        int held = 0;
        for (int i = 0; i < 5; ++i)
            if (mask >> i & 1) hand[held++] = cards[i];
        const int need = 5 - held;
        std::array<int, 5> idx{};
        for (int k = 0; k < need; ++k) idx[k] = k;
        for (;;) {
            for (int k = 0; k < need; ++k) hand[held + k] = unseen[idx[k]];
            const HandCategory category =
                viaLookup ? LookupCategory(family, hand) : EvaluateCards(family, hand, a);
            ++counts[mask][category];
            int k = need - 1;
            while (k >= 0 && idx[k] == 47 - need + k) --k;
            if (k < 0) break;
            ++idx[k];
            for (int j = k + 1; j < need; ++j) idx[j] = idx[j - 1] + 1;
        }
    }
    return counts;
}

HoldValues PlainPrice(int game, int choice, int coins, const PlainCounts& counts) {
    PayTables tables;
    tables.Apply(game, choice);
    tables.ApplyRoyalRule(game, coins);
    HoldValues v;
    v.coins = coins;
    for (int mask = 0; mask < kHoldCount; ++mask) {
        std::int64_t total = 0, draws = 0;
        for (int c = 0; c < kLanes; ++c) {
            total += counts[mask][c] * tables.Payout(game, c, coins);
            draws += counts[mask][c];
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

HoldValues PlainAnalyseHolds(int game, int choice, int coins, const std::array<Card, 5>& cards,
                             bool viaLookup) {
    return PlainPrice(game, choice, coins,
                      PlainCountHolds(GameInfoFor(game).family, cards, viaLookup));
}

} // namespace quintaro::exact::detail
