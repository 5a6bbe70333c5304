// The Deuces Wild classifier: one decision cascade per number of deuces. Four,
// three and two deuces share their cascade between the two pay tables; one
// deuce and no deuce have a common head and then a cascade per pay table.
// Each step names its entry by id; the position comes from the active list, so
// no position is written here.

#include "strategy/classifier.h"
#include "strategy/hold_marker.h"

namespace quintaro {
namespace {

using E = EntryId;

class DeucesMatcher : detail::HoldMarker {
public:
    DeucesMatcher(const HandAnalysis& a, Recommendation& r) : HoldMarker(a, r), d_(a.deuces) {}

    EntryId Decide(bool second);

private:
    EntryId All(EntryId id) {
        HoldAll();
        return id;
    }
    // The deuces stand first in the rank view.
    EntryId Deuces(EntryId id) {
        RankRun(0, d_);
        return id;
    }
    const SuitTally& Main() const { return a_.MainTally(); }
    int DrawStart() const { return Main().drawStart; }

    EntryId FourDeuces() { return All(E::kPatFourDeuces); }
    EntryId ThreeDeuces(bool second);
    EntryId TwoDeuces(bool second);
    EntryId OneDeuce(bool second);
    EntryId OneDeuceLow(bool second);
    EntryId OneDeuceHigh(bool second);
    EntryId NoDeuce(bool second);
    EntryId NoDeuceLow();
    EntryId NoDeuceHigh();

    // Four-card straight-flush or royal draws with deuces: the naturals of the
    // draw from drawStart; a royal draw of a suited hand with an Ace keeps the
    // Ace and the highest naturals.
    int DrawNaturals() const { return 4 - d_; }
    bool AceRoyalDraw() const { return a_.fourRoyal && a_.flush && a_.hasAce; }
    EntryId HoldFourDraw(EntryId id) {
        const int n = DrawNaturals();
        if (AceRoyalDraw()) {
            Suit(d_);
            SuitRun(DrawStart(), n - 1);
        } else {
            SuitRun(DrawStart(), n);
        }
        return Deuces(id);
    }
    std::int32_t DrawLowest() const { return S(DrawStart()); }
    std::int32_t DrawHighest() const { return S(DrawStart() + DrawNaturals() - 1); }
    bool DrawHasAce() const { return AceRoyalDraw() || DrawLowest() == kAce; }
    bool FourStraightFlush(int type) const {
        return a_.fourStraightFlush && (type < 0 || a_.drawType == type);
    }
    // Three-card straight-flush draws with one deuce: two suited naturals.
    EntryId HoldThreeDraw(EntryId id) {
        SuitRun(DrawStart(), 2);
        return Deuces(id);
    }
    bool ThreeStraightFlush(int type) const { return a_.threeStraightFlush && a_.drawType == type; }

    // Natural draws (no deuce).
    EntryId HoldFourRoyal(EntryId id) {
        const int ds = DrawStart();
        if (Main().count == 5 && ds == 2) {
            Suit(0);
            SuitRun(2, 3);
        } else {
            SuitRun(ds, 4);
        }
        return id;
    }
    EntryId HoldThreeRoyal(EntryId id) {
        const int ds = DrawStart();
        if (Main().count == 4 && S(ds) == kAce) {
            Suit(ds);
            SuitRun(ds + 2, 2);
        } else {
            SuitRun(ds, 3);
        }
        return id;
    }
    EntryId HoldNaturalDraw(EntryId id, int n) {
        SuitRun(DrawStart(), n);
        return id;
    }
    std::int32_t StraightLowest() const { return R(a_.straightCards[0]); }
    std::int32_t StraightHighest() const { return R(a_.straightCards[3]); }
    EntryId HoldStraight(EntryId id) {
        for (std::int32_t idx : a_.straightCards) Rank(idx);
        return id;
    }

    EntryId HoldNaturalFlush() {
        SuitRun(Main().first, 4);
        return E::k4Flush;
    }
    // The inside draw; when the analysis marks a second window of the same
    // kind, the four lowest naturals are the alternative.
    EntryId InsideStraight() {
        HoldStraight(E::k4STInsideButNotA345);
        if (a_.altHold) {
            r_.altValid = 1;
            for (int i = 0; i < 4; ++i)
                r_.altHolds[static_cast<std::size_t>(
                    a_.rankView[static_cast<std::size_t>(i)].position)] = 1;
        }
        return E::k4STInsideButNotA345;
    }

    // Two-card tests over the suits in suit-code order; each holds the two
    // naturals it finds and reports whether it found them.
    bool JackTen();
    bool QueenHigh();
    bool KingHigh();
    bool AceRoyal();
    bool QueenAdjacent();
    void HoldTwo(int i, int j) {
        Suit(i);
        Suit(j);
    }

    const int d_;
};

bool DeucesMatcher::JackTen() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high != 1 || t.count < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(top) == kJack && S(top - 1) == kTen) {
            HoldTwo(top - 1, top);
            return true;
        }
    }
    return false;
}

bool DeucesMatcher::QueenHigh() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 1 || t.count < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(top) == kQueen && (S(top - 1) == kTen || S(top - 1) == kJack)) {
            HoldTwo(top - 1, top);
            return true;
        }
    }
    return false;
}

bool DeucesMatcher::KingHigh() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 1 || t.count < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(top) == kKing && S(top - 1) >= kTen && S(top - 1) <= kQueen) {
            HoldTwo(top - 1, top);
            return true;
        }
    }
    return false;
}

bool DeucesMatcher::AceRoyal() {
    if (!a_.hasAce) return false;
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 1 || t.count < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(t.first) == kAce && S(top) >= kTen) {
            HoldTwo(t.first, top);
            return true;
        }
    }
    return false;
}

bool DeucesMatcher::QueenAdjacent() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 1 || t.count < 2) continue;
        for (int k = t.first; k + 1 < t.first + t.count; ++k) {
            if (S(k + 1) == kQueen && (S(k) == kTen || S(k) == kJack)) {
                HoldTwo(k, k + 1);
                return true;
            }
        }
    }
    return false;
}

EntryId DeucesMatcher::Decide(bool second) {
    switch (d_) {
    case 4:
        return FourDeuces();
    case 3:
        return ThreeDeuces(second);
    case 2:
        return TwoDeuces(second);
    case 1:
        return OneDeuce(second);
    default:
        return NoDeuce(second);
    }
}

EntryId DeucesMatcher::ThreeDeuces(bool second) {
    if (a_.royalFlush) return All(E::kPatWildRoyal);
    if (a_.groupPattern == kFiveOfAKind) return All(E::kPatFiveOfAKind);
    return Deuces(second ? E::kThreeDeucesOnly : E::kThreeDeuces);
}

EntryId DeucesMatcher::TwoDeuces(bool second) {
    if (a_.royalFlush) return All(E::kPatWildRoyal);
    if (a_.groupPattern == kFiveOfAKind) return All(E::kPatFiveOfAKind);
    if (a_.straightFlush) return All(E::kPatStraightFlush);
    if (a_.groupPattern == kFourOfAKind) {
        RankRun(a_.group1, 2);
        return Deuces(E::kFourOfAKind);
    }
    if (a_.fourRoyal) return HoldFourDraw(E::k4WildRoyal2Deuces);
    if (FourStraightFlush(3)) return HoldFourDraw(E::k4STFLOpen2245sTo229Ts);
    if (FourStraightFlush(2)) return HoldFourDraw(E::k4STFL1Gap2257sTo229Js);
    return Deuces(second ? E::kTwoDeucesOnly : E::kTwoDeuces);
}

EntryId DeucesMatcher::OneDeuce(bool second) {
    if (a_.royalFlush) return All(E::kPatWildRoyal);
    if (a_.groupPattern == kFiveOfAKind) return All(E::kPatFiveOfAKind);
    if (a_.straightFlush) return All(E::kPatStraightFlush);
    if (a_.groupPattern == kFourOfAKind) {
        RankRun(a_.group1, 3);
        return Deuces(E::kFourOfAKind);
    }
    return second ? OneDeuceHigh(second) : OneDeuceLow(second);
}

// One deuce, first pay table ("3/2").
EntryId DeucesMatcher::OneDeuceLow(bool) {
    if (a_.fourRoyal) return HoldFourDraw(E::k4WildRoyal1Deuce);
    if (a_.groupPattern == kFullHouse) return All(E::kPatFullHouse);
    if (FourStraightFlush(3) && DrawLowest() <= kFour) return HoldFourDraw(E::k2345s2456s);
    if (FourStraightFlush(3)) return HoldFourDraw(E::k4STFLOpen2567sTo29TJs);
    if (FourStraightFlush(2) && DrawHighest() >= kSeven) return HoldFourDraw(E::k4STFL1Gap7QHigh);
    if (a_.flush) return All(E::kPatFlush);
    if (a_.straight) return All(E::kPatStraight);
    if (a_.groupPattern == kThreeOfAKind) {
        RankRun(a_.group1, 2);
        return Deuces(E::kThreeOfAKind);
    }
    if (FourStraightFlush(-1) && DrawHighest() >= kSeven) return HoldFourDraw(E::k4STFL2Gaps7KHi);
    if (FourStraightFlush(-1) && DrawHighest() == kSix) return HoldFourDraw(E::k2346s2356s);
    if (FourStraightFlush(-1)) return HoldFourDraw(E::k2A34s2A35s2A45s);
    if (JackTen()) return Deuces(E::k2JTs);
    if (QueenHigh()) return Deuces(E::k2QJs2QTs);
    if (KingHigh()) return Deuces(E::k2KQs2KJs2KTs);
    if (ThreeStraightFlush(3) && DrawLowest() >= kSix)
        return HoldThreeDraw(E::k3STFLOpen267sTo29Ts);
    if (AceRoyal()) return Deuces(E::k2AKs2AQs2AJs2ATs);
    if (a_.fourStraight && a_.straightType == 3) return HoldStraight(E::k4STOpen1Deuce);
    if (ThreeStraightFlush(2)) return HoldThreeDraw(E::k3STFL1Gap257sTo29Js);
    if (ThreeStraightFlush(3) && DrawLowest() == kFive) return HoldThreeDraw(E::k256s);
    return Deuces(E::k1Deuce);
}

// One deuce, second pay table ("4/3").
EntryId DeucesMatcher::OneDeuceHigh(bool) {
    const bool royalNoAce = a_.fourRoyal && !DrawHasAce();
    if (royalNoAce && DrawHighest() == kQueen) return HoldFourDraw(E::k4WildRoyalQueenHi1Deuce);
    if (a_.groupPattern == kFullHouse) return All(E::kPatFullHouse);
    if (royalNoAce && DrawHighest() == kKing) return HoldFourDraw(E::k4WildRoyalKingHi1Deuce);
    if (a_.fourRoyal) return HoldFourDraw(E::k4WildRoyalAceHi1Deuce);
    if (a_.flush) return All(E::kPatFlush);
    if (FourStraightFlush(3) && DrawLowest() <= kFour) return HoldFourDraw(E::k2345s2456s);
    if (FourStraightFlush(3)) return HoldFourDraw(E::k4STFLOpen2567sTo29TJs);
    if (FourStraightFlush(2) && DrawHighest() >= kSeven)
        return HoldFourDraw(E::k4STFL1Gap7QHigh1Deuce);
    if (a_.straight) return All(E::kPatStraight);
    if (FourStraightFlush(-1) && DrawHighest() >= kSeven)
        return HoldFourDraw(E::k4STFL2Gaps7KHigh1Deuce);
    if (FourStraightFlush(-1) && DrawHighest() == kSix) return HoldFourDraw(E::k2346s2356s);
    if (a_.groupPattern == kThreeOfAKind) {
        RankRun(a_.group1, 2);
        return Deuces(E::kThreeOfAKind);
    }
    if (FourStraightFlush(-1)) return HoldFourDraw(E::k2A34s2A35s2A45s);
    if (JackTen()) return Deuces(E::k2JTs);
    if (QueenHigh()) return Deuces(E::k2QJs2QTs);
    if (KingHigh()) return Deuces(E::k2KQs2KJs2KTs);
    if (ThreeStraightFlush(3) && DrawLowest() >= kSix)
        return HoldThreeDraw(E::k3STFLOpen267sTo29Ts);
    if (AceRoyal()) return Deuces(E::k2AKs2AQs2AJs2ATs);
    if (ThreeStraightFlush(2)) return HoldThreeDraw(E::k3STFL1Gap257sTo29Js);
    if (ThreeStraightFlush(3) && S(DrawStart() + 1) == kSix) return HoldThreeDraw(E::k256s);
    if (ThreeStraightFlush(3)) return HoldThreeDraw(E::k245s);
    return Deuces(E::kDeuceOnly);
}

EntryId DeucesMatcher::NoDeuce(bool second) {
    if (a_.royalFlush) return All(E::kPatRoyalNoDeuces);
    if (a_.fourRoyal) return HoldFourRoyal(second ? E::k4RoyalNoDeuces : E::k4Royal);
    if (a_.straightFlush) return All(E::kPatStraightFlush);
    if (a_.groupPattern == kFourOfAKind) {
        RankRun(a_.group1, 4);
        return E::kFourOfAKind;
    }
    if (a_.groupPattern == kFullHouse) return All(E::kPatFullHouse);
    if (a_.flush) return All(E::kPatFlush);
    if (a_.straight) return All(E::kPatStraight);
    if (a_.groupPattern == kThreeOfAKind) {
        RankRun(a_.group1, 3);
        return E::kThreeOfAKind;
    }
    if (FourStraightFlush(3)) return HoldNaturalDraw(E::k4STFLOpen3456sTo9TJQs, 4);
    if (FourStraightFlush(2))
        return HoldNaturalDraw(second ? E::k4STFLInsideNoDeuces : E::k4STFLInside, 4);
    if (a_.threeRoyal) return HoldThreeRoyal(E::k3RoyalNoDeuces);
    return second ? NoDeuceHigh() : NoDeuceLow();
}

// No deuce, first pay table ("3/2"), from its "One Pair" down.
EntryId DeucesMatcher::NoDeuceLow() {
    const std::uint8_t g = a_.groupPattern;
    if (g == kLowPair || g == kHighPair) {
        RankRun(a_.group1, 2);
        return E::kOnePair;
    }
    if (g == kTwoPair) {
        // Keep the higher pair (Aces count highest); the other is as good.
        const bool acesLow = R(a_.group1) == kAce;
        const int keep = acesLow ? a_.group1 : a_.group2;
        const int other = acesLow ? a_.group2 : a_.group1;
        RankRun(keep, 2);
        r_.altValid = 1;
        r_.altHolds[static_cast<std::size_t>(
            a_.rankView[static_cast<std::size_t>(other)].position)] = 1;
        r_.altHolds[static_cast<std::size_t>(
            a_.rankView[static_cast<std::size_t>(other + 1)].position)] = 1;
        return E::kOnePair;
    }
    const std::int32_t lowest = a_.threeStraightFlush ? DrawLowest() : 0;
    if (ThreeStraightFlush(3) && lowest >= kFive) return HoldNaturalDraw(E::k3STFLOpen567s9TJs, 3);
    if (a_.fourStraight && a_.straightType == 3 && StraightLowest() >= kFour)
        return HoldStraight(E::k4STOpenButNot3456);
    if (a_.fourFlush) return HoldNaturalFlush();
    if (ThreeStraightFlush(2) && lowest >= kFour) return HoldNaturalDraw(E::k3STFL1Gap7QHigh, 3);
    if (ThreeStraightFlush(3) && lowest == kFour) return HoldNaturalDraw(E::k456s, 3);
    if (ThreeStraightFlush(3)) return HoldNaturalDraw(E::k345s, 3);
    if (ThreeStraightFlush(1) && lowest == kSeven && S(DrawStart() + 1) == kTen &&
        S(DrawStart() + 2) == kJack)
        return HoldNaturalDraw(E::kJT7s, 3);
    if (JackTen()) return E::kJTs;
    if (ThreeStraightFlush(1) && lowest >= kThree) return HoldNaturalDraw(E::k3STFL2Gaps7KHigh, 3);
    if (ThreeStraightFlush(2)) return HoldNaturalDraw(E::k346s356s, 3);
    if (QueenAdjacent()) return E::kQTsQJs;
    if (a_.fourStraight && a_.straightType == 3) return HoldStraight(E::k3456);
    if (a_.fourStraight && a_.straightType == 2 && StraightHighest() >= kSix)
        return InsideStraight();
    if (KingHigh()) return E::kKQsKJsKTs;
    return E::kRedraw;
}

// No deuce, second pay table ("4/3"), from its "4 Flush" down.
EntryId DeucesMatcher::NoDeuceHigh() {
    const std::uint8_t g = a_.groupPattern;
    const std::int32_t lowest = a_.threeStraightFlush ? DrawLowest() : 0;
    if (a_.fourFlush) return HoldNaturalFlush();
    if (g == kTwoPair) {
        RankRun(a_.group1, 2);
        RankRun(a_.group2, 2);
        return E::kTwoPair;
    }
    if (ThreeStraightFlush(3) && lowest >= kFive) return HoldNaturalDraw(E::k3STFLOpen567s9TJs, 3);
    if (g == kLowPair || g == kHighPair) {
        RankRun(a_.group1, 2);
        return E::kOnePair;
    }
    if (a_.fourStraight && a_.straightType == 3 && StraightLowest() >= kFour)
        return HoldStraight(E::k4STOpenButNot3456);
    if (ThreeStraightFlush(2) && lowest >= kFour) return HoldNaturalDraw(E::k3STFL1Gap7QHigh, 3);
    if (ThreeStraightFlush(3) && lowest == kFour) return HoldNaturalDraw(E::k456s, 3);
    if (ThreeStraightFlush(3)) return HoldNaturalDraw(E::k345s, 3);
    if (ThreeStraightFlush(1) && lowest >= kThree) return HoldNaturalDraw(E::k3STFL2Gaps7KHigh, 3);
    if (ThreeStraightFlush(2)) return HoldNaturalDraw(E::k346s356s, 3);
    if (JackTen()) return E::kJTs;
    if (QueenAdjacent()) return E::kQTsQJs;
    if (a_.fourStraight && a_.straightType == 3) return HoldStraight(E::k3456);
    if (ThreeStraightFlush(1) && lowest == kAce) return HoldNaturalDraw(E::kA34sA35sA45s, 3);
    if (a_.fourStraight && a_.straightType == 2 && StraightHighest() >= kSix)
        return InsideStraight();
    if (KingHigh()) return E::kKQsKJsKTs;
    return E::kRedraw;
}

} // namespace

void ClassifyDeuces(const StrategyList& list, const HandAnalysis& a, Recommendation& r) {
    r.Clear();
    DeucesMatcher m(a, r);
    r.strategyIndex = list.PositionOf(m.Decide(list.choice != 0));
}

} // namespace quintaro
