#include "generate/list_return.h"

#include <algorithm>

#include "core/pay_table.h"
#include "strategy/classifier.h"

namespace quintaro {

std::array<Card, 5> CanonicalSuits(const std::array<Card, 5>& cards) {
    std::array<unsigned, 4> masks{};
    for (Card c : cards) masks[static_cast<std::size_t>(SuitOf(c))] |= 1u << RankOf(c);
    std::array<int, 4> order{0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) { return masks[x] > masks[y]; });
    std::array<int, 4> renamed{};
    for (int i = 0; i < 4; ++i) renamed[static_cast<std::size_t>(order[i])] = i;
    std::array<Card, 5> out{};
    for (int i = 0; i < 5; ++i)
        // The card of rank r and suit s is the n with n = r (mod 13), n = s (mod 4).
        out[i] =
            (40 * RankOf(cards[i]) + 13 * renamed[static_cast<std::size_t>(SuitOf(cards[i]))]) % 52;
    return out;
}

exact::HoldMask ListHold(int game, int choice, const std::array<Card, 5>& cards) {
    HandAnalysis a;
    Recommendation r;
    AdviseHand(game, choice, CanonicalSuits(cards), a, r);
    exact::HoldMask m = 0;
    for (int i = 0; i < 5; ++i)
        if (r.hold[static_cast<std::size_t>(i)]) m |= static_cast<exact::HoldMask>(1u << i);
    return m;
}

exact::PayTableReturn ListReturn(int game, int choice, int coins, int threads) {
    return exact::ComputeReturn(
        game, BuiltInSchedule(game, choice), coins,
        [game, choice](const std::array<Card, 5>& cards) { return ListHold(game, choice, cards); },
        threads);
}

} // namespace quintaro
