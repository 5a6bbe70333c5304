#include "core/hand_analysis.h"

#include <utility>

namespace quintaro {

void HandAnalysis::Reset() {
    for (SuitTally& t : tallies) t = SuitTally{-1, -1, 0, 0, 0};
    straightCards = {0, 0, 0, 0};
    straightHigh = group1 = group2 = groupCount = deuces = highTotal = mainSuit = 0;
    royalFlush = straightFlush = fourRoyal = threeRoyal = 0;
    fourStraightFlush = threeStraightFlush = drawType = 0;
    flush = fourFlush = straight = fourStraight = altHold = straightType = hasAce = 0;
    groupPattern = kNoGroup;
}

namespace {

// Sorts five keys with a nine-comparator network; branch-free min/max keeps
// the analysis fast on every hand.
inline void SortFive(std::uint32_t (&k)[5]) {
    auto cs = [&k](int i, int j) {
        const std::uint32_t a = k[i], b = k[j];
        k[i] = a < b ? a : b;
        k[j] = a < b ? b : a;
    };
    cs(0, 1);
    cs(3, 4);
    cs(2, 4);
    cs(2, 3);
    cs(1, 4);
    cs(0, 3);
    cs(0, 2);
    cs(1, 3);
    cs(1, 2);
}

} // namespace

namespace {

// Per card, the sort keys of both views (position added later) and whether it
// is a high card.
struct CardKeys {
    std::uint32_t byRank; // rank << 6 | suit; position goes in bits 3..5
    std::uint32_t bySuit; // suit << 7 | rank << 3; position goes in bits 0..2
    std::int32_t high;
};

constexpr std::array<CardKeys, kCardCount> BuildCardKeys() {
    std::array<CardKeys, kCardCount> t{};
    for (int c = 0; c < kCardCount; ++c) {
        const auto rank = static_cast<std::uint32_t>(kCardTable[c].rank);
        const auto suit = static_cast<std::uint32_t>(kCardTable[c].suit);
        t[c] = CardKeys{(rank << 6) | suit, (suit << 7) | (rank << 3),
                        IsHighRank(kCardTable[c].rank) ? 1 : 0};
    }
    return t;
}

constexpr std::array<CardKeys, kCardCount> kCardKeys = BuildCardKeys();

} // namespace

void HandAnalysis::FillViews(const std::array<Card, 5>& cards) {
    // Rank view: ascending rank, equal ranks in position order, as a stable
    // sort of the cards in position order (the position is part of the key).
    // Suit view: the rank view dealt out by suit, which keeps the rank order
    // within each suit.
    std::uint32_t byRank[5];
    for (int p = 0; p < 5; ++p) {
        const CardKeys& k = kCardKeys[static_cast<std::size_t>(cards[p])];
        byRank[p] = k.byRank | (static_cast<std::uint32_t>(p) << 3);
        SuitTally& t = tallies[k.bySuit >> 7];
        ++t.count;
        t.high += k.high;
        highTotal += k.high;
    }
    SortFive(byRank);
    int next[4];
    next[0] = 0;
    next[1] = tallies[0].count;
    next[2] = next[1] + tallies[1].count;
    next[3] = next[2] + tallies[2].count;
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t r = byRank[i];
        const auto suit = static_cast<std::int32_t>(r & 7);
        const SortedCard card{static_cast<std::int32_t>(r >> 6), suit,
                              static_cast<std::int32_t>((r >> 3) & 7)};
        rankView[i] = card;
        suitView[next[suit]++] = card;
    }
}

void HandAnalysis::Analyse(const std::array<Card, 5>& cards) {
    Reset();
    FillViews(cards);
    Summarise();
}

void HandAnalysis::Summarise() {
    std::int32_t before = 0;
    std::int32_t best = -1;
    for (int s = 0; s < 4; ++s) {
        SuitTally& t = tallies[s];
        if (t.count > 0) t.first = before;
        before += t.count;
        if (t.count > best) {
            best = t.count;
            mainSuit = s;
        }
    }
    hasAce = R(0) == kAce;
    FindGroups();
    if (groupPattern >= kTwoPair) return;
    FindFlushDraws();
    if (!flush) FindStraights();
}

namespace {

// The group walk depends only on which neighbours of the rank view are equal,
// so its outcome is tabled once for the sixteen equality patterns. The walk
// itself is the reference: a triple is found before a pair at the same index,
// four of a kind before both.
struct GroupWalk {
    std::uint8_t pattern; // with a single pair: kLowPair, to be raised for a high pair
    std::uint8_t count;
    std::uint8_t group1;
    std::uint8_t group2;
};

constexpr GroupWalk WalkGroups(unsigned equalMask) {
    // equalMask bit i: R(i) == R(i + 1).
    auto same = [equalMask](int i, int j) {
        for (int k = i; k < j; ++k)
            if (!((equalMask >> k) & 1u)) return false;
        return true;
    };
    GroupWalk w{kNoGroup, 0, 0, 0};
    int i = 0;
    while (i < 4) {
        if (i < 2 && same(i, i + 3)) {
            w.pattern = kFourOfAKind;
            w.group1 = static_cast<std::uint8_t>(i);
            ++w.count;
            i += 4;
        } else if (i < 3 && same(i, i + 2)) {
            ++w.count;
            if (w.count == 2) {
                w.pattern = kFullHouse;
                w.group2 = static_cast<std::uint8_t>(i);
            } else {
                w.pattern = kThreeOfAKind;
                w.group1 = static_cast<std::uint8_t>(i);
            }
            i += 3;
        } else if (same(i, i + 1)) {
            ++w.count;
            if (w.count == 2) {
                if (w.pattern == kThreeOfAKind) {
                    w.pattern = kFullHouse;
                    w.group2 = w.group1;
                    w.group1 = static_cast<std::uint8_t>(i);
                } else {
                    w.pattern = kTwoPair;
                    w.group2 = static_cast<std::uint8_t>(i);
                }
            } else {
                w.pattern = kLowPair;
                w.group1 = static_cast<std::uint8_t>(i);
            }
            i += 2;
        } else {
            ++i;
        }
    }
    return w;
}

constexpr std::array<GroupWalk, 16> BuildGroupWalks() {
    std::array<GroupWalk, 16> t{};
    for (unsigned m = 0; m < 16; ++m) t[m] = WalkGroups(m);
    return t;
}

constexpr std::array<GroupWalk, 16> kGroupWalks = BuildGroupWalks();

} // namespace

void HandAnalysis::FindGroups() {
    unsigned mask = 0;
    for (int i = 0; i < 4; ++i) mask |= static_cast<unsigned>(R(i) == R(i + 1)) << i;
    const GroupWalk& w = kGroupWalks[mask];
    groupPattern = w.pattern;
    groupCount = w.count;
    group1 = w.group1;
    group2 = w.group2;
    if (groupPattern == kLowPair && IsHighRank(R(group1))) groupPattern = kHighPair;
}

std::uint8_t GradeThreeCardStraightFlush(std::int32_t lowest, std::int32_t span) {
    switch (span) {
    case 2:
        return lowest == kAce ? 1 : lowest == kTwo ? 2 : 3;
    case 3:
        return lowest == kAce ? 1 : 2;
    case 4:
        return 1;
    default:
        return 0;
    }
}

void HandAnalysis::FindFlushDraws() {
    SuitTally& t = tallies[mainSuit];
    const int c = t.count;
    const int f = t.first;
    if (c == 5) {
        flush = 1;
        if (S(0) == kAce) {
            if (S(1) == kTen) {
                royalFlush = 1;
            } else if (S(4) == kFive) {
                straightFlush = 1;
            } else if (S(2) >= kTen) {
                fourRoyal = 1;
                t.drawStart = 2;
            }
        } else if (S(4) - S(0) == 4) {
            straightFlush = 1;
        } else if (S(1) == kTen) {
            fourRoyal = 1;
            t.drawStart = 1;
        }
    } else if (c == 4) {
        fourFlush = 1;
        const std::int32_t a = S(f);
        if ((a == kAce && S(f + 1) >= kTen) || a == kTen) {
            fourRoyal = 1;
            t.drawStart = f;
        } else {
            const std::int32_t span = S(f + 3) - a;
            if (span == 3) {
                fourStraightFlush = 1;
                t.drawStart = f;
                drawType = a == kAce ? 2 : 3;
            } else if (span == 4) {
                fourStraightFlush = 1;
                t.drawStart = f;
                drawType = 2;
            }
        }
        if (!fourRoyal && !fourStraightFlush) FindThreeCardDraws(4);
    } else if (c == 3) {
        FindThreeCardDraws(3);
    }
}

void HandAnalysis::FindThreeCardDraws(std::int32_t suitedCount) {
    SuitTally& t = tallies[mainSuit];
    const int f = t.first;
    auto highOf = [&](int from) {
        int n = 0;
        for (int k = from; k < from + 3; ++k) n += IsHighRank(S(k)) ? 1 : 0;
        return n;
    };
    if (suitedCount == 3) {
        const std::int32_t a = S(f), b = S(f + 1), c = S(f + 2);
        if ((a == kAce && b >= kTen) || a >= kTen) {
            threeRoyal = 1;
            t.drawStart = f;
            if (a == kAce)
                drawType = 1;
            else if (c == kKing)
                drawType = a == kJack ? 2 : 1;
            else
                drawType = 3;
        } else if (c - a <= 4) {
            threeStraightFlush = 1;
            t.drawStart = f;
            t.drawHigh = highOf(f);
            drawType = GradeThreeCardStraightFlush(a, c - a);
        }
        return;
    }
    // Four suited cards a < b < c < d that hold no four-card draw.
    const std::int32_t a = S(f), b = S(f + 1), c = S(f + 2), d = S(f + 3);
    if (a == kAce && c >= kTen) {
        threeRoyal = 1;
        drawType = 1;
        t.drawStart = f;
    } else if (b >= kTen) {
        threeRoyal = 1;
        t.drawStart = f + 1;
        drawType = d == kKing ? 2 : 3;
    } else {
        for (int w = f; w <= f + 1; ++w) {
            const std::int32_t span = S(w + 2) - S(w);
            if (span > 4) continue;
            threeStraightFlush = 1;
            const std::uint8_t grade = GradeThreeCardStraightFlush(S(w), span);
            if (grade > drawType) {
                drawType = grade;
                t.drawStart = w;
                t.drawHigh = highOf(w);
            }
        }
    }
}

void HandAnalysis::FindStraights() {
    const std::int32_t r0 = R(0), r1 = R(1), r2 = R(2), r3 = R(3), r4 = R(4);
    bool found = false;
    auto take = [&](int i0, int i1, int i2, int i3, std::uint8_t type) {
        straightCards = {i0, i1, i2, i3};
        straightType = type;
        found = true;
    };
    if (groupPattern == kLowPair || groupPattern == kHighPair) {
        if (r4 - r0 == 3 && !hasAce) {
            int k = 0;
            for (int i = 0; i < 5; ++i)
                if (i != group1) straightCards[k++] = i;
            straightType = 3;
            altHold = 1;
            found = true;
        }
    } else if (groupPattern == kNoGroup) {
        if ((hasAce && r1 == kTen) || r4 - r0 == 4) {
            straight = 1;
            return;
        }
        if (r4 - r1 == 3) {
            take(1, 2, 3, 4, 3);
        } else if (r3 - r0 == 3) {
            take(0, 1, 2, 3, hasAce ? 2 : 3);
        } else if (hasAce && r2 >= kTen) {
            take(0, 2, 3, 4, 2);
        } else if (r4 - r1 == 4) {
            if (r3 - r0 == 4 && hasAce) {
                take(0, 1, 2, 3, 2);
            } else {
                take(1, 2, 3, 4, 2);
                if (r3 - r0 == 4) altHold = 1;
            }
        } else if (r3 - r0 == 4) {
            take(0, 1, 2, 3, 2);
        }
    }
    if (found) {
        fourStraight = 1;
        straightHigh = 0;
        for (std::int32_t idx : straightCards) straightHigh += IsHighRank(R(idx)) ? 1 : 0;
    }
}

// ---------------------------------------------------------------------------
// Deuces Wild

void AnalyseDeuces(const std::array<Card, 5>& cards, HandAnalysis& a) {
    a.Reset();
    a.FillViews(cards);
    // Twos count in no suit: take them out of the tallies before anything else.
    for (const SortedCard& c : a.rankView) {
        if (c.rank != kTwo) continue;
        ++a.deuces;
        --a.tallies[c.suit].count;
    }
    const int d = a.deuces;
    // Move the Twos to the front of both views, the naturals keep their order.
    auto deucesFirst = [](std::array<SortedCard, 5>& view) {
        std::array<SortedCard, 5> out{};
        int k = 0;
        for (const SortedCard& c : view)
            if (c.rank == kTwo) out[k++] = c;
        for (const SortedCard& c : view)
            if (c.rank != kTwo) out[k++] = c;
        view = out;
    };
    if (d > 0) {
        deucesFirst(a.rankView);
        deucesFirst(a.suitView);
    }
    // Suit starts of the naturals, after the deuces.
    std::int32_t before = d;
    std::int32_t best = -1;
    for (int s = 0; s < 4; ++s) {
        SuitTally& t = a.tallies[s];
        if (t.count > 0) t.first = before;
        before += t.count;
        if (t.count > best) {
            best = t.count;
            a.mainSuit = s;
        }
    }
    if (d == 0) {
        a.hasAce = a.R(0) == kAce;
        a.FindGroups();
        if (a.groupPattern == kTwoPair) {
            // The Deuces Wild lists rank three to a royal above the pairs, so
            // two pair still looks for the three-card draws of a suit holding
            // three cards (a straight-flush draw found there ranks below them).
            if (a.MainTally().count == 3) a.FindThreeCardDraws(3);
            return;
        }
        if (a.groupPattern > kTwoPair) return;
        a.FindFlushDraws();
        if (a.straightFlush && a.S(1) == kTen) {
            // Nine to King of one suit also holds four to a royal, which the
            // Deuces Wild lists rank above the straight flush.
            a.fourRoyal = 1;
            a.tallies[static_cast<std::size_t>(a.mainSuit)].drawStart = 1;
        }
        if (!a.flush) a.FindStraights();
        return;
    }
    if (d == 4) return;
    a.hasAce = a.R(d) == kAce;

    // Groups among the naturals; each wild card lifts the group by one rank.
    int i = d;
    int pairs = 0;
    int largest = 1;
    while (i < 5) {
        int j = i + 1;
        while (j < 5 && a.R(j) == a.R(i)) ++j;
        const int size = j - i;
        if (size >= 2) {
            if (pairs == 0 && size >= largest) a.group1 = i;
            if (size == 2) {
                if (pairs == 1 && largest == 2) a.group2 = i;
                ++pairs;
            }
            if (size > largest) {
                largest = size;
                a.group1 = i;
            }
            ++a.groupCount;
        }
        i = j;
    }
    // Only a natural pair or better grows with the wild cards: with all
    // naturals different the record shows no group.
    const int made = largest >= 2 ? largest + d : 0;
    if (made >= 5)
        a.groupPattern = kFiveOfAKind;
    else if (made == 4)
        a.groupPattern = kFourOfAKind;
    else if (pairs == 2)
        a.groupPattern = kFullHouse;
    else if (made == 3)
        a.groupPattern = kThreeOfAKind;
    if (a.groupPattern >= kFourOfAKind) return;

    // Made hands and draws with wild cards.
    FindDeucesDraws(a);
}

bool TwoDeuceStraight(const HandAnalysis& a) {
    if (a.deuces != 2) return false;
    const std::int32_t n1 = a.R(2), n2 = a.R(3), n3 = a.R(4);
    if (n1 == n2 || n2 == n3) return false;
    return (n1 == kAce && n2 >= kTen) || n1 >= kTen || n3 - n1 <= 4;
}

} // namespace quintaro
