#pragma once
// The hold marks both classifiers set while they test a hand: cards named by
// their place in the rank view or the suit view of the analysed hand.

#include <cstddef>
#include <cstdint>

#include "core/hand_analysis.h"
#include "strategy/recommendation.h"

namespace quintaro::detail {

class HoldMarker {
protected:
    HoldMarker(const HandAnalysis& a, Recommendation& r) : a_(a), r_(r) {}

    // Rank code of the rank view's card i, and of the suit view's card i.
    std::int32_t R(int i) const { return a_.R(i); }
    std::int32_t S(int i) const { return a_.S(i); }
    // Holds the rank view's card i; the suit view's card i.
    void Rank(int i) {
        r_.hold[static_cast<std::size_t>(a_.rankView[static_cast<std::size_t>(i)].position)] = 1;
    }
    void Suit(int i) {
        r_.hold[static_cast<std::size_t>(a_.suitView[static_cast<std::size_t>(i)].position)] = 1;
    }
    void RankRun(int from, int n) {
        for (int i = from; i < from + n; ++i) Rank(i);
    }
    void SuitRun(int from, int n) {
        for (int i = from; i < from + n; ++i) Suit(i);
    }
    void HoldAll() { r_.hold = {1, 1, 1, 1, 1}; }

    const HandAnalysis& a_;
    Recommendation& r_;
};

} // namespace quintaro::detail
