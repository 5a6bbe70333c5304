#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "../every_hand.h"
#include "core/evaluation.h"

namespace quintaro {
namespace {

// ---------------------------------------------------------------------------
// An independent evaluator, written from the rules of poker rather than from
// the production analysis: rank counts, suit test and straight windows.

enum Kind {
    Nothing,
    LowPair,
    HighPair,
    TwoPair,
    Trips,
    Straight,
    Flush,
    FullHouse,
    Quads,
    SF,
    Royal
};

struct Reference {
    Kind kind;
    int quadRank = -1;
    int kickerRank = -1; // the fifth card of four of a kind
};

// The ten straight windows as rank bitmasks, Ace low and Ace high.
std::vector<unsigned> StraightWindows() {
    std::vector<unsigned> w;
    for (int low = 0; low <= 8; ++low) w.push_back(0x1Fu << low);
    w.push_back((0xFu << 9) | 1u); // Ten to Ace
    return w;
}

Reference NaturalReference(const std::array<Card, 5>& cards) {
    int counts[13] = {};
    unsigned mask = 0;
    bool oneSuit = true;
    for (Card c : cards) {
        ++counts[RankOf(c)];
        mask |= 1u << RankOf(c);
        oneSuit = oneSuit && SuitOf(c) == SuitOf(cards[0]);
    }
    bool straight = false;
    for (unsigned w : StraightWindows()) straight = straight || mask == w;
    const bool royalRanks = mask == ((0xFu << 9) | 1u);
    Reference r{Nothing};
    if (oneSuit && straight) {
        r.kind = royalRanks ? Royal : SF;
        return r;
    }
    int pairs = 0, trips = 0;
    int pairRank = -1;
    for (int rank = 0; rank < 13; ++rank) {
        if (counts[rank] == 4) {
            r.kind = Quads;
            r.quadRank = rank;
            for (int k = 0; k < 13; ++k)
                if (counts[k] == 1) r.kickerRank = k;
            return r;
        }
        if (counts[rank] == 3) ++trips;
        if (counts[rank] == 2) {
            ++pairs;
            pairRank = rank;
        }
    }
    if (trips && pairs)
        r.kind = FullHouse;
    else if (oneSuit)
        r.kind = Flush;
    else if (straight)
        r.kind = Straight;
    else if (trips)
        r.kind = Trips;
    else if (pairs == 2)
        r.kind = TwoPair;
    else if (pairs == 1)
        r.kind = IsHighRank(pairRank) ? HighPair : LowPair;
    return r;
}

HandCategory ReferenceCategory(EvaluationFamily family, const Reference& r) {
    static const std::map<Kind, HandCategory> kBase{{Nothing, 0}, {LowPair, 0},  {HighPair, 1},
                                                    {TwoPair, 2}, {Trips, 3},    {Straight, 4},
                                                    {Flush, 5},   {FullHouse, 6}};
    const bool aces = r.quadRank == kAce;
    const bool low = r.quadRank >= kTwo && r.quadRank <= kFour;
    const bool kicker = r.kickerRank >= kAce && r.kickerRank <= kFour; // an Ace, Two, Three or Four
    switch (family) {
    case EvaluationFamily::Natural:
        if (r.kind == Royal) return 9;
        if (r.kind == SF) return 8;
        if (r.kind == Quads) return 7;
        break;
    case EvaluationFamily::Bonus:
        if (r.kind == Royal) return 11;
        if (r.kind == SF) return 10;
        if (r.kind == Quads) return aces ? 9 : low ? 8 : 7;
        break;
    case EvaluationFamily::SuperDouble:
        if (r.kind == Royal) return 12;
        if (r.kind == SF) return 11;
        if (r.kind == Quads) return aces ? 10 : low ? 8 : r.quadRank >= kJack ? 9 : 7;
        break;
    case EvaluationFamily::DoubleDouble:
        if (r.kind == Royal) return 13;
        if (r.kind == SF) return 12;
        if (r.kind == Quads) return aces ? (kicker ? 11 : 9) : low ? (kicker ? 10 : 8) : 7;
        break;
    case EvaluationFamily::TripleDouble:
        if (r.kind == Royal) return 13;
        if (r.kind == SF) return 7;
        if (r.kind == Quads) return aces ? (kicker ? 12 : 10) : low ? (kicker ? 11 : 9) : 8;
        break;
    default:
        break;
    }
    return kBase.at(r.kind);
}

// Deuces Wild from first principles: what the wild cards can make of the naturals.
HandCategory DeucesReference(const std::array<Card, 5>& cards) {
    int d = 0;
    int counts[13] = {};
    unsigned mask = 0;
    int suit = -1;
    bool oneSuit = true;
    for (Card c : cards) {
        if (RankOf(c) == kTwo) {
            ++d;
            continue;
        }
        ++counts[RankOf(c)];
        mask |= 1u << RankOf(c);
        if (suit < 0) suit = SuitOf(c);
        oneSuit = oneSuit && SuitOf(c) == suit;
    }
    if (d == 0) {
        const Reference r = NaturalReference(cards);
        switch (r.kind) {
        case Royal:
            return 10;
        case SF:
            return 6;
        case Quads:
            return 5;
        case FullHouse:
            return 4;
        case Flush:
            return 3;
        case Straight:
            return 2;
        case Trips:
            return 1;
        default:
            return 0;
        }
    }
    if (d == 4) return 9;
    int most = 0, pairs = 0;
    for (int n : counts) {
        most = std::max(most, n);
        pairs += n == 2;
    }
    const bool distinct = most == 1;
    bool straight = false;
    if (distinct)
        for (unsigned w : StraightWindows()) straight = straight || (mask & ~w) == 0;
    const unsigned royalWindow = (0xFu << 9) | 1u;
    if (oneSuit && distinct && (mask & ~royalWindow) == 0) return 8;
    if (most + d >= 5) return 7;
    if (oneSuit && straight) return 6;
    if (most + d >= 4) return 5;
    // Full house: only two pairs and one wild card get there without four of a kind.
    if (pairs == 2 && d == 1) return 4;
    if (oneSuit) return 3;
    if (straight) return 2;
    if (most + d >= 3) return 1;
    return 0;
}

struct FamilyCase {
    EvaluationFamily family;
    const char* name;
    std::vector<long> counts; // hands per category, all 2,598,960 hands
};

// True combinatorial counts of each category.
const std::vector<FamilyCase> kFamilies{
    {EvaluationFamily::Natural,
     "Natural",
     {0, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 624, 36, 4}},
    {EvaluationFamily::Bonus,
     "Bonus",
     {0, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 432, 144, 48, 36, 4}},
    {EvaluationFamily::SuperDouble,
     "SuperDouble",
     {0, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 288, 144, 144, 48, 36, 4}},
    {EvaluationFamily::DoubleDouble,
     "DoubleDouble",
     {0, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 432, 108, 36, 36, 12, 36, 4}},
    {EvaluationFamily::TripleDouble,
     "TripleDouble",
     {0, 337'920, 123'552, 54'912, 10'200, 5'108, 3'744, 36, 432, 108, 36, 36, 12, 4}},
    {EvaluationFamily::Deuces,
     "Deuces",
     {0, 355'080, 62'232, 14'472, 12'672, 31'552, 2'068, 624, 480, 48, 4}},
};

class EveryHand : public ::testing::TestWithParam<FamilyCase> {};

// Every hand, in two card orders, against the independent evaluator, and the
// category totals against the combinatorial counts.
TEST_P(EveryHand, MatchesTheRulesOfPokerAndTheTrueCounts) {
    const FamilyCase& fc = GetParam();
    std::vector<long> counts(static_cast<std::size_t>(CategoryCount(fc.family)), 0);
    HandAnalysis a;
    long mismatches = 0;
    ForEveryHand([&](const std::array<Card, 5>& c) {
        const HandCategory got = EvaluateCards(fc.family, c, a);
        const std::array<Card, 5> reversed{c[4], c[2], c[0], c[3], c[1]};
        const HandCategory again = EvaluateCards(fc.family, reversed, a);
        const HandCategory want = fc.family == EvaluationFamily::Deuces
                                      ? DeucesReference(c)
                                      : ReferenceCategory(fc.family, NaturalReference(c));
        if ((got != want || again != got) && ++mismatches <= 10)
            ADD_FAILURE() << fc.name << ": " << CardName(c[0]) << ' ' << CardName(c[1]) << ' '
                          << CardName(c[2]) << ' ' << CardName(c[3]) << ' ' << CardName(c[4])
                          << " evaluates to " << got << " (reordered " << again << "), expected "
                          << want;
        ASSERT_GE(got, 0);
        ASSERT_LT(got, CategoryCount(fc.family));
        ++counts[static_cast<std::size_t>(got)];
    });
    EXPECT_EQ(mismatches, 0);
    long total = 0;
    for (long n : counts) total += n;
    EXPECT_EQ(total, 2'598'960);
    for (std::size_t cat = 1; cat < counts.size(); ++cat)
        EXPECT_EQ(counts[cat], fc.counts[cat]) << fc.name << " category " << cat;
}

INSTANTIATE_TEST_SUITE_P(Families, EveryHand, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

// The views must be exactly a stable sort of the cards in position order:
// the strategy reads positions out of them.
TEST(Analysis, ViewsAreStableSortsOfTheHandForEveryHand) {
    HandAnalysis a;
    long bad = 0;
    ForEveryHand([&](const std::array<Card, 5>& dealt) {
        const std::array<Card, 5> c{dealt[3], dealt[0], dealt[4], dealt[1], dealt[2]};
        a.Analyse(c);
        std::array<SortedCard, 5> byRank{}, bySuit{};
        for (int p = 0; p < 5; ++p)
            byRank[p] = bySuit[p] = SortedCard{RankOf(c[p]), SuitOf(c[p]), p};
        std::stable_sort(byRank.begin(), byRank.end(),
                         [](const SortedCard& l, const SortedCard& r) { return l.rank < r.rank; });
        std::stable_sort(bySuit.begin(), bySuit.end(),
                         [](const SortedCard& l, const SortedCard& r) {
                             return l.suit != r.suit ? l.suit < r.suit : l.rank < r.rank;
                         });
        for (int i = 0; i < 5; ++i) {
            const bool same =
                a.rankView[i].rank == byRank[i].rank && a.rankView[i].suit == byRank[i].suit &&
                a.rankView[i].position == byRank[i].position &&
                a.suitView[i].rank == bySuit[i].rank && a.suitView[i].suit == bySuit[i].suit &&
                a.suitView[i].position == bySuit[i].position;
            if (!same && ++bad <= 5) ADD_FAILURE() << "view mismatch at " << i;
        }
        int counted = 0;
        for (int s = 0; s < 4; ++s) {
            const SuitTally& t = a.tallies[s];
            if (t.count == 0) {
                EXPECT_EQ(t.first, -1);
                continue;
            }
            if (a.suitView[t.first].suit != s || (t.first > 0 && a.suitView[t.first - 1].suit == s))
                ++bad;
            counted += t.count;
            if (t.count > a.tallies[a.mainSuit].count) ++bad;
            if (t.count == a.tallies[a.mainSuit].count && s < a.mainSuit) ++bad;
        }
        if (counted != 5) ++bad;
    });
    EXPECT_EQ(bad, 0);
}

} // namespace
} // namespace quintaro
