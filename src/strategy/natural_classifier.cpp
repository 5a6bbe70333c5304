// The classifier of the eight natural games. It walks the active list from the
// top and stops at the first entry whose matcher accepts the hand; the list
// data alone decides the order, and each entry's test lives in one place
// below. An entry text means the same test in every natural game; the few
// per-game differences are parameters taken from the list's game.

#include "core/game_variant.h"
#include "strategy/classifier.h"

namespace quintaro {
namespace {

// Per-game parameters of the matchers.
struct GameRules {
    // "Four Aces" and "Four 2,3,4" keep only the four (the kicker may improve
    // on the draw) in the games that pay extra for a kicker.
    bool quadsWithoutKicker;
};

GameRules RulesFor(int game) {
    return GameRules{game == kDoubleDoubleBonus || game == kTripleDoubleBonus};
}

class Matcher {
public:
    Matcher(const HandAnalysis& a, Recommendation& r) : a_(a), r_(r) {}

    bool Match(EntryId id, const GameRules& rules);
    void SetAlternate(EntryId id);

private:
    std::int32_t R(int i) const { return a_.R(i); }
    std::int32_t S(int i) const { return a_.S(i); }
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
    bool All() {
        r_.hold = {1, 1, 1, 1, 1};
        return true;
    }

    bool Quads() const { return a_.groupPattern == kFourOfAKind; }
    // The middle card of the rank view always belongs to the four.
    std::int32_t QuadRank() const { return R(2); }
    bool Quad(bool keepFourOnly) {
        if (!keepFourOnly) return All();
        RankRun(a_.group1, 4);
        return true;
    }
    // Index of the first card of the three of a kind (of a full house too).
    int TripsIndex() const { return a_.groupPattern == kFullHouse ? a_.group2 : a_.group1; }
    bool HasTrips() const {
        return a_.groupPattern == kThreeOfAKind || a_.groupPattern == kFullHouse;
    }
    bool OnePair() const { return a_.groupPattern == kLowPair || a_.groupPattern == kHighPair; }
    bool Pair(int index) {
        RankRun(index, 2);
        return true;
    }
    const SuitTally& Main() const { return a_.MainTally(); }
    int DrawStart() const { return Main().drawStart; }

    bool HoldStraight() {
        for (std::int32_t idx : a_.straightCards) Rank(idx);
        return true;
    }
    bool OpenStraightFrom(std::int32_t lowest) const {
        return a_.fourStraight && a_.straightType == 3 && R(a_.straightCards[0]) == lowest;
    }
    bool InsideStraight(std::int32_t high) const {
        return a_.fourStraight && a_.straightType == 2 && a_.straightHigh == high;
    }
    bool HoldFourRoyal() {
        const int ds = DrawStart();
        if (Main().count == 5 && ds == 2) {
            Suit(0); // the Ace of a flush whose three highest cards are royal
            SuitRun(2, 3);
        } else {
            SuitRun(ds, 4);
        }
        return true;
    }
    bool HoldThreeRoyal() {
        const int ds = DrawStart();
        if (Main().count == 4 && S(ds) == kAce) {
            Suit(ds);
            SuitRun(ds + 2, 2);
        } else {
            SuitRun(ds, 3);
        }
        return true;
    }
    bool HoldDraw(int n) {
        SuitRun(DrawStart(), n);
        return true;
    }
    bool HoldDraw4Flush() {
        SuitRun(Main().first, 4);
        return true;
    }
    bool HoldThreeFlush() {
        SuitRun(Main().first, 3);
        return true;
    }
    bool ThreeFlush(int high) const {
        return Main().count == 3 && (high < 0 || Main().high == high);
    }
    bool ThreeStraightFlush(int type, int high) const {
        return a_.threeStraightFlush && a_.drawType == type &&
               (high < 0 || Main().drawHigh == high);
    }
    bool SuitedJackQueen();
    bool SuitedKingHigh();
    bool SuitedAceHigh();
    bool SuitedTenBelow(std::int32_t top);
    bool SuitedConnectors();

    const HandAnalysis& a_;
    Recommendation& r_;
};

bool Matcher::SuitedJackQueen() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 2) continue;
        for (int k = t.first; k + 1 < t.first + t.count; ++k) {
            if (S(k) == kJack && S(k + 1) == kQueen) {
                Suit(k);
                Suit(k + 1);
                return true;
            }
        }
    }
    return false;
}

bool Matcher::SuitedKingHigh() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(top) == kKing && S(top - 1) >= kJack) {
            Suit(top - 1);
            Suit(top);
            return true;
        }
    }
    return false;
}

bool Matcher::SuitedAceHigh() {
    for (const SuitTally& t : a_.tallies) {
        if (t.high < 2) continue;
        const int top = t.first + t.count - 1;
        if (S(t.first) == kAce && S(top) >= kJack) {
            Suit(t.first);
            Suit(top);
            return true;
        }
    }
    return false;
}

bool Matcher::SuitedTenBelow(std::int32_t top) {
    for (const SuitTally& t : a_.tallies) {
        if (t.high != 1 || t.count < 2) continue;
        const int k = t.first + t.count - 1;
        if (S(k) == top && S(k - 1) == kTen) {
            Suit(k - 1);
            Suit(k);
            return true;
        }
    }
    return false;
}

bool Matcher::SuitedConnectors() {
    const SuitTally& t = Main();
    if (t.count < 2) return false;
    if (S(t.first + 1) - S(t.first) != 1 || S(t.first) < kFour) return false;
    SuitRun(t.first, 2);
    return true;
}

bool Matcher::Match(EntryId id, const GameRules& rules) {
    using E = EntryId;
    const HandAnalysis& a = a_;
    switch (id) {
    case E::kPatRoyal:
        return a.royalFlush && All();
    case E::kPatStraightFlush:
        return a.straightFlush && All();
    case E::kPatFourOfAKind:
    case E::kPatFourOfAKindLower:
    // The remaining fours: the list puts the split-off ranks above these.
    case E::kPatFour5sToKs:
    case E::kPatFour5sToKsComma:
    case E::kPatFour5sTo10s:
        return Quads() && All();
    case E::kFourAces:
        return Quads() && QuadRank() == kAce && Quad(rules.quadsWithoutKicker);
    case E::kPatFourAcesWKicker:
    case E::kPatFourAcesWKickerPlain:
        return Quads() && QuadRank() == kAce && R(4) >= kTwo && R(4) <= kFour && All();
    case E::kPatFour234:
        return Quads() && QuadRank() >= kTwo && QuadRank() <= kFour && All();
    case E::kFour234:
        return Quads() && QuadRank() >= kTwo && QuadRank() <= kFour &&
               Quad(rules.quadsWithoutKicker);
    case E::kPatFour234WKicker:
    case E::kPatFour234WKickerPlain:
        // R4 below a Five: the fifth card is an Ace, Two, Three or Four.
        return Quads() && QuadRank() >= kTwo && QuadRank() <= kFour && R(4) <= kFour && All();
    case E::kFourKQJ:
        return Quads() && QuadRank() >= kJack && All();
    case E::k4Royal:
        return a.fourRoyal && HoldFourRoyal();
    case E::kPatFullHouse:
        return a.groupPattern == kFullHouse && All();
    case E::k3AcesWithKicker:
        if (!HasTrips() || R(TripsIndex()) != kAce || R(3) < kTwo || R(3) > kFour) return false;
        RankRun(0, 4); // the Aces sort first; R3 is the lower of the other two
        return true;
    case E::k3Aces:
        if (!HasTrips() || R(TripsIndex()) != kAce) return false;
        RankRun(TripsIndex(), 3);
        return true;
    case E::kThreeKQJ:
        if (!HasTrips() || R(TripsIndex()) < kJack) return false;
        RankRun(TripsIndex(), 3);
        return true;
    case E::kThree234:
        if (a.groupPattern != kThreeOfAKind || R(a.group1) < kTwo || R(a.group1) > kFour)
            return false;
        RankRun(a.group1, 3);
        return true;
    case E::kThreeOfAKind:
    case E::kThree5sToKs:
    case E::kThree5sToTs:
        if (a.groupPattern != kThreeOfAKind) return false;
        RankRun(a.group1, 3);
        return true;
    case E::kPatFlush:
        return a.flush && All();
    case E::kPatStraight:
        return a.straight && All();
    case E::k4STFLOpen2345s9TJQs:
        return a.fourStraightFlush && a.drawType == 3 && HoldDraw(4);
    case E::k4STFLInside:
        return a.fourStraightFlush && a.drawType == 2 && HoldDraw(4);
    case E::kTwoPair:
        if (a.groupPattern != kTwoPair) return false;
        Pair(a.group1);
        return Pair(a.group2);
    case E::kPairAces:
        // Aces sort first, so a pair of Aces is always the first group.
        return (OnePair() || a.groupPattern == kTwoPair) && R(a.group1) == kAce && Pair(a.group1);
    case E::kPairJJQQKK:
        if (a.groupPattern == kHighPair && R(a.group1) >= kJack) return Pair(a.group1);
        if (a.groupPattern == kTwoPair && R(a.group2) >= kJack) return Pair(a.group2);
        return false;
    case E::kHighPairJJAA:
        return a.groupPattern == kHighPair && Pair(a.group1);
    case E::kPair223344:
        return a.groupPattern == kLowPair && R(a.group1) >= kTwo && R(a.group1) <= kFour &&
               Pair(a.group1);
    case E::kPair55ToTT:
    case E::kLowPair22TT:
        return OnePair() && Pair(a.group1);
    case E::k3Royal:
    case E::kAKQsAKJsAKTsAQJsAQTsAJTs:
        return a.threeRoyal && HoldThreeRoyal();
    case E::kQJTs:
        return a.threeRoyal && a.drawType == 3 && HoldThreeRoyal();
    case E::kKQJsKQTsKJTs:
        return a.threeRoyal && S(DrawStart()) != kAce && HoldThreeRoyal();
    case E::k4Flush:
        return a.fourFlush && HoldDraw4Flush();
    case E::kTJQK:
        return OpenStraightFrom(kTen) && HoldStraight();
    case E::k9TJQ:
        return OpenStraightFrom(kNine) && HoldStraight();
    case E::k89TJ:
        return OpenStraightFrom(kEight) && HoldStraight();
    case E::k4STOpen2345789T:
    case E::k4STOpen2345TJQK:
        return a.fourStraight && a.straightType == 3 && HoldStraight();
    case E::kAKQJ:
        return InsideStraight(4) && HoldStraight();
    case E::k4STInside3HiCards:
        return InsideStraight(3) && HoldStraight();
    case E::k4STInside2HiCards:
        return InsideStraight(2) && HoldStraight();
    case E::k4STInside1HiCard:
        return InsideStraight(1) && HoldStraight();
    case E::k4STInside0HiCards:
        return a.fourStraight && a.straightType == 2 && HoldStraight();
    case E::k3FL2HiCards:
        return ThreeFlush(2) && HoldThreeFlush();
    case E::k3FL1HiCard:
        return ThreeFlush(1) && HoldThreeFlush();
    case E::k3FL0HiCards:
        return ThreeFlush(-1) && HoldThreeFlush();
    case E::k3STFLOpen345s89Ts:
        return ThreeStraightFlush(3, -1) && HoldDraw(3);
    case E::kJT9s:
        return ThreeStraightFlush(3, 1) && HoldDraw(3);
    case E::kQJ9s:
        return ThreeStraightFlush(2, 2) && HoldDraw(3);
    case E::kQT9sJT8sJ98s:
        return ThreeStraightFlush(2, 1) && HoldDraw(3);
    case E::k3STFL1Gap0HiPlus234s:
        return ThreeStraightFlush(2, -1) && HoldDraw(3);
    case E::kQJ8s:
        return ThreeStraightFlush(1, 2) && S(DrawStart() + 2) == kQueen && HoldDraw(3);
    case E::kKQ9sKJ9s:
        return ThreeStraightFlush(1, 2) && HoldDraw(3);
    case E::k3STFL2Gaps1Hi:
        return ThreeStraightFlush(1, 1) && HoldDraw(3);
    case E::k3STFL2Gaps0Hi:
        return ThreeStraightFlush(1, -1) && HoldDraw(3);
    case E::kQJs:
        return SuitedJackQueen();
    case E::kKQsKJs:
        return SuitedKingHigh();
    case E::kAKsAQsAJs:
        return SuitedAceHigh();
    case E::kJTs:
        return SuitedTenBelow(kJack);
    case E::kQTs:
        return SuitedTenBelow(kQueen);
    case E::kKTs:
        return SuitedTenBelow(kKing);
    case E::k2STFLOpen45s9Ts:
        return SuitedConnectors();
    case E::kKQJ:
        if (a.highTotal != 3 || a.hasAce) return false;
        RankRun(2, 3);
        return true;
    case E::kQJT:
        // Queen, Jack and Ten: two high cards, no Ace, R4 - R2 = 2. (Without
        // the Ace condition an Ace with Nine-Ten-Jack would hold the Nine.)
        if (a.highTotal != 2 || a.hasAce || R(4) - R(2) != 2) return false;
        RankRun(2, 3);
        return true;
    case E::kQJ:
        if (R(4) != kQueen || R(3) != kJack) return false;
        RankRun(3, 2);
        return true;
    case E::kKQKJ:
        if (R(4) != kKing || R(3) < kJack) return false;
        RankRun(3, 2);
        return true;
    case E::kAKAQAJ:
        if (a.highTotal != 2 || !a.hasAce) return false;
        Rank(0);
        Rank(4);
        return true;
    case E::kAce:
        if (!a.hasAce) return false;
        Rank(0);
        return true;
    case E::kJack:
    case E::kQueen:
    case E::kKing: {
        const std::int32_t want = id == E::kJack ? kJack : id == E::kQueen ? kQueen : kKing;
        if (R(4) != want) return false;
        Rank(4);
        return true;
    }
    case E::kRedraw:
        return true;
    default:
        // Deuces Wild entries never stand in a natural list.
        return false;
    }
}

void Matcher::SetAlternate(EntryId id) {
    using E = EntryId;
    if (!a_.altHold && id != E::k3AcesWithKicker) return;
    switch (id) {
    case E::kTJQK:
    case E::k9TJQ:
    case E::k89TJ:
    case E::k4STOpen2345789T:
    case E::k4STOpen2345TJQK:
        // An open draw through a pair holds the pair's second card; the other
        // card of the pair is as good.
        if (a_.straightType != 3 || !OnePair()) return;
        r_.altValid = 1;
        r_.altHolds = {1, 1, 1, 1, 1};
        r_.altHolds[static_cast<std::size_t>(
            a_.rankView[static_cast<std::size_t>(a_.group1 + 1)].position)] = 0;
        return;
    case E::k3AcesWithKicker:
        // Three Aces over a pair of Twos, Threes or Fours: either card of the
        // pair is the kicker.
        if (R(3) != R(4)) return;
        r_.altValid = 1;
        r_.altHolds = {};
        for (int i : {0, 1, 2, 4})
            r_.altHolds[static_cast<std::size_t>(
                a_.rankView[static_cast<std::size_t>(i)].position)] = 1;
        return;
    case E::k4STInside0HiCards: {
        // Two equal inside windows: the four lowest cards are the alternative.
        r_.altValid = 1;
        r_.altHolds = {};
        for (int i = 0; i < 4; ++i)
            r_.altHolds[static_cast<std::size_t>(
                a_.rankView[static_cast<std::size_t>(i)].position)] = 1;
        return;
    }
    default:
        return;
    }
}

} // namespace

void ClassifyNatural(const StrategyList& list, const HandAnalysis& a, Recommendation& r) {
    r.Clear();
    const GameRules rules = RulesFor(list.game);
    Matcher m(a, r);
    for (std::int32_t i = 1; i <= list.count; ++i) {
        const EntryId id = list.slots[i].id;
        if (m.Match(id, rules)) {
            r.strategyIndex = i;
            m.SetAlternate(id);
            return;
        }
    }
    // Unreachable: every list ends with "Redraw", which always matches.
    r.strategyIndex = list.count;
}

} // namespace quintaro
