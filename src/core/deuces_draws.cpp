// Made hands and draws of the deuce-aware analysis: what the naturals of the
// hand make or draw to once the groups are known. The Twos stand first in both
// views; tallies count naturals only.

#include "core/hand_analysis.h"

namespace quintaro {
namespace {

// Class of two suited naturals that three to a straight flush with one deuce
// would build on: 3 open, 2 one gap, 0 none.
std::uint8_t TwoNaturalClass(std::int32_t low, std::int32_t high) {
    if (high - low == 1 && high >= kFive) return 3;
    if (high - low == 2 && high >= kSeven) return 2;
    return 0;
}

bool RoyalRank(std::int32_t rank) {
    return rank == kAce || rank >= kTen;
}

// All naturals in one suit: a wild royal, a straight flush, or four to a royal.
void SuitedNaturals(HandAnalysis& a) {
    const int d = a.deuces;
    SuitTally& t = a.tallies[static_cast<std::size_t>(a.mainSuit)];
    a.flush = 1;
    if (a.hasAce) {
        if (a.R(d + 1) >= kTen) {
            a.royalFlush = 1;
        } else if (a.R(4) <= kFive) {
            a.straightFlush = 1;
        } else if (d < 3 && a.R(d + 2) >= kTen) {
            a.fourRoyal = 1;
            t.drawStart = d + 2; // the Ace and the naturals from here up
        }
    } else if (a.R(d) >= kTen) {
        a.royalFlush = 1;
    } else if (a.R(4) - a.R(d) <= 4) {
        a.straightFlush = 1;
    } else if (d < 3 && a.R(d + 1) >= kTen) {
        a.fourRoyal = 1;
        t.drawStart = d + 1;
    }
}

// All naturals but one in the main suit: four to a royal or to a straight
// flush, and with one deuce three to a straight flush inside the suited three.
void FourNaturalDraws(HandAnalysis& a) {
    const int d = a.deuces;
    SuitTally& t = a.tallies[static_cast<std::size_t>(a.mainSuit)];
    const int f = t.first;
    const std::int32_t low = a.S(f);
    a.fourFlush = 1;
    if ((low == kAce && a.S(f + 1) >= kTen) || low >= kTen) {
        a.fourRoyal = 1;
        t.drawStart = f;
        return;
    }
    if (d == 2) {
        const std::int32_t gap = a.S(f + 1) - low;
        if (gap == 1 && low >= kFour) {
            a.fourStraightFlush = 1;
            a.drawType = 3;
            t.drawStart = f;
        } else if (gap == 2 && low >= kFive) {
            a.fourStraightFlush = 1;
            a.drawType = 2;
            t.drawStart = f;
        }
        return;
    }
    // One deuce, three suited naturals.
    const std::int32_t span = a.S(f + 2) - low;
    std::uint8_t type = 0;
    if (span == 2 && low != kAce)
        type = 3;
    else if (span == 3)
        type = low == kAce ? 1 : 2;
    else if (span == 4)
        type = 1;
    if (type != 0) {
        a.fourStraightFlush = 1;
        a.drawType = type;
        t.drawStart = f;
        return;
    }
    // Three to a royal or to a straight flush among the three suited naturals.
    const std::int32_t mid = a.S(f + 1);
    const std::int32_t high = a.S(f + 2);
    if ((low == kAce && high >= kTen) || mid >= kTen) {
        a.threeRoyal = 1;
        t.drawStart = low == kAce ? f : f + 1;
        return;
    }
    for (int k = f; k <= f + 1; ++k) {
        const std::uint8_t c = TwoNaturalClass(a.S(k), a.S(k + 1));
        if (c > a.drawType) {
            a.threeStraightFlush = 1;
            a.drawType = c;
            t.drawStart = k;
        }
    }
}

// One deuce and two naturals in the main suit: the suits holding exactly two
// naturals, from the main suit up, each a three-card royal or straight-flush
// draw with the deuce. The best straight-flush draw becomes the main suit. A
// royal pair does not end the scan: the straight-flush draw of another suit is
// found whichever suit comes first, and the list order decides between them.
void TwoNaturalDraws(HandAnalysis& a) {
    std::int32_t bestLow = -1;
    for (int s = a.mainSuit; s < 4; ++s) {
        SuitTally& t = a.tallies[static_cast<std::size_t>(s)];
        if (t.count != 2) continue;
        const std::int32_t low = a.S(t.first);
        const std::int32_t high = a.S(t.first + 1);
        if ((low == kAce && RoyalRank(high)) || low >= kTen) {
            a.threeRoyal = 1;
            t.drawStart = t.first;
            continue;
        }
        const std::uint8_t c = TwoNaturalClass(low, high);
        if (c == 0) continue;
        if (c > a.drawType || (c == 3 && a.drawType == 3 && low > bestLow)) {
            a.threeStraightFlush = 1;
            a.drawType = c;
            bestLow = low;
            t.drawStart = t.first;
            a.mainSuit = s;
        }
    }
}

// Four different naturals with one deuce: a straight, or four to a straight
// of three consecutive naturals and the deuce.
void OneDeuceStraights(HandAnalysis& a) {
    const std::int32_t n1 = a.R(1), n2 = a.R(2), n3 = a.R(3), n4 = a.R(4);
    if (n1 == kAce && (n4 <= kFive || n2 >= kTen)) {
        a.straight = 1;
        return;
    }
    if (n4 - n1 <= 4) {
        a.straight = 1;
        return;
    }
    if (n4 - n2 == 2)
        a.straightCards = {0, 2, 3, 4};
    else if (n3 - n1 == 2)
        a.straightCards = {0, 1, 2, 3};
    else
        return;
    a.fourStraight = 1;
    a.straightType = 3;
    a.straightHigh = 0;
    for (int k = 1; k < 4; ++k) a.straightHigh += IsHighRank(a.R(a.straightCards[k])) ? 1 : 0;
}

} // namespace

void FindDeucesDraws(HandAnalysis& a) {
    const int d = a.deuces;
    if (d < 1 || d > 3 || a.groupPattern >= kFourOfAKind) return;
    const int n = a.MainTally().count;
    if (n == 5 - d) {
        SuitedNaturals(a);
        return;
    }
    if (d == 3) return;
    if (n == 4 - d)
        FourNaturalDraws(a);
    else if (d == 1 && n == 2)
        TwoNaturalDraws(a);
    if (d == 1 && a.groupPattern == kNoGroup) OneDeuceStraights(a);
}

} // namespace quintaro
