#include "core/evaluation.h"

namespace quintaro {

HandCategory NaturalCategory(const HandAnalysis& a) {
    if (a.royalFlush) return 9;
    if (a.straightFlush) return 8;
    switch (a.groupPattern) {
    case kFourOfAKind:
        return 7;
    case kFullHouse:
        return 6;
    default:
        break;
    }
    if (a.flush) return 5;
    if (a.straight) return 4;
    switch (a.groupPattern) {
    case kThreeOfAKind:
        return 3;
    case kTwoPair:
        return 2;
    case kHighPair:
        return 1;
    default:
        return 0;
    }
}

namespace {

// The middle card of the rank view always belongs to a four of a kind; the
// highest card is the kicker test's card (the fifth card for four Aces).
struct Quad {
    std::int32_t rank;
    bool lowKicker;
};

Quad QuadOf(const HandAnalysis& a) {
    return Quad{a.R(2), a.R(4) < kFive};
}

bool IsLowQuad(std::int32_t rank) {
    return rank >= kTwo && rank <= kFour;
}

HandCategory DeucesCategory(const HandAnalysis& a) {
    const int d = a.deuces;
    if (d == 0) {
        static constexpr HandCategory kFromNatural[10] = {0, 0, 0, 1, 2, 3, 4, 5, 6, 10};
        return kFromNatural[NaturalCategory(a)];
    }
    if (d == 4) return 9;
    if (a.royalFlush) return 8;
    if (a.groupPattern == kFiveOfAKind) return 7;
    if (a.straightFlush) return 6;
    if (a.groupPattern == kFourOfAKind || d == 3) return 5;
    if (a.groupPattern == kFullHouse) return 4;
    if (a.flush) return 3;
    if (a.straight || TwoDeuceStraight(a)) return 2;
    if (a.groupPattern == kThreeOfAKind || d == 2) return 1;
    return 0;
}

} // namespace

HandCategory CategoryFor(EvaluationFamily family, const HandAnalysis& a) {
    if (family == EvaluationFamily::Deuces) return DeucesCategory(a);
    const HandCategory c = NaturalCategory(a);
    if (family == EvaluationFamily::Natural) return c;
    const bool quads = c == 7;
    const Quad q = quads ? QuadOf(a) : Quad{0, false};
    switch (family) {
    case EvaluationFamily::Bonus:
        if (c == 9) return 11;
        if (c == 8) return 10;
        if (quads) return q.rank == kAce ? 9 : IsLowQuad(q.rank) ? 8 : 7;
        return c;
    case EvaluationFamily::SuperDouble:
        if (c == 9) return 12;
        if (c == 8) return 11;
        if (quads) {
            if (q.rank == kAce) return 10;
            if (IsLowQuad(q.rank)) return 8;
            return q.rank >= kJack ? 9 : 7;
        }
        return c;
    case EvaluationFamily::DoubleDouble:
        if (c == 9) return 13;
        if (c == 8) return 12;
        if (quads) {
            if (q.rank == kAce) return q.lowKicker ? 11 : 9;
            if (IsLowQuad(q.rank)) return q.lowKicker ? 10 : 8;
            return 7;
        }
        return c;
    case EvaluationFamily::TripleDouble:
        if (c == 9) return 13;
        if (c == 8) return 7;
        if (quads) {
            if (q.rank == kAce) return q.lowKicker ? 12 : 10;
            if (IsLowQuad(q.rank)) return q.lowKicker ? 11 : 9;
            return 8;
        }
        return c;
    default:
        return c;
    }
}

int CategoryCount(EvaluationFamily family) {
    switch (family) {
    case EvaluationFamily::Natural:
        return 10;
    case EvaluationFamily::Bonus:
        return 12;
    case EvaluationFamily::Deuces:
        return 11;
    case EvaluationFamily::SuperDouble:
        return 13;
    case EvaluationFamily::DoubleDouble:
    case EvaluationFamily::TripleDouble:
        return 14;
    }
    return 0;
}

HandCategory EvaluateCards(EvaluationFamily family, const std::array<Card, 5>& cards,
                           HandAnalysis& a) {
    if (family == EvaluationFamily::Deuces)
        AnalyseDeuces(cards, a);
    else
        a.Analyse(cards);
    return CategoryFor(family, a);
}

} // namespace quintaro
