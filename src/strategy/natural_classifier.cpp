// The classifier of the eight natural games. It walks the active list from the
// top and stops at the first entry whose matcher accepts the hand; the list
// data alone decides the order, and each entry's test lives in one place
// below. An entry text means the same test in every natural game; the few
// per-game differences are parameters taken from the list's game.

#include <array>
#include <bit>
#include <initializer_list>

#include "core/game_variant.h"
#include "strategy/classifier.h"
#include "strategy/hold_marker.h"

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

class Matcher : detail::HoldMarker {
public:
    Matcher(const HandAnalysis& a, Recommendation& r) : HoldMarker(a, r) {}

    bool Match(EntryId id, const GameRules& rules);
    void SetAlternate(EntryId id);

private:
    bool All() {
        HoldAll();
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

// Like the other two-card tests it scans every suit, so the advice does not
// depend on which suit is called what.
bool Matcher::SuitedConnectors() {
    for (const SuitTally& t : a_.tallies) {
        if (t.count < 2) continue;
        if (S(t.first + 1) - S(t.first) != 1 || S(t.first) < kFour) continue;
        SuitRun(t.first, 2);
        return true;
    }
    return false;
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

// The group patterns (0..6) under which an entry's matcher can accept a hand.
// Draws and made flushes and straights exist only below two pair; the
// high-card, suited-pair and three-flush tests do not look at the groups.
constexpr unsigned PatternsFor(EntryId id) {
    using E = EntryId;
    constexpr unsigned kAll = 0x7f;
    constexpr unsigned kBelowTwoPair = 0x07;
    auto p = [](std::initializer_list<int> patterns) {
        unsigned m = 0;
        for (int v : patterns) m |= 1u << v;
        return m;
    };
    switch (id) {
    case E::kPatRoyal:
    case E::kPatStraightFlush:
    case E::kPatFlush:
    case E::kPatStraight:
        return p({kNoGroup});
    case E::kPatFourOfAKind:
    case E::kPatFourOfAKindLower:
    case E::kPatFour5sToKs:
    case E::kPatFour5sToKsComma:
    case E::kPatFour5sTo10s:
    case E::kFourAces:
    case E::kPatFourAcesWKicker:
    case E::kPatFourAcesWKickerPlain:
    case E::kPatFour234:
    case E::kFour234:
    case E::kPatFour234WKicker:
    case E::kPatFour234WKickerPlain:
    case E::kFourKQJ:
        return p({kFourOfAKind});
    case E::kPatFullHouse:
        return p({kFullHouse});
    case E::k3AcesWithKicker:
    case E::k3Aces:
    case E::kThreeKQJ:
        return p({kThreeOfAKind, kFullHouse});
    case E::kThree234:
    case E::kThreeOfAKind:
    case E::kThree5sToKs:
    case E::kThree5sToTs:
        return p({kThreeOfAKind});
    case E::kTwoPair:
        return p({kTwoPair});
    case E::kPairAces:
    case E::kPairJJQQKK:
        return p({kHighPair, kTwoPair});
    case E::kHighPairJJAA:
        return p({kHighPair});
    case E::kPair223344:
        return p({kLowPair});
    case E::kPair55ToTT:
    case E::kLowPair22TT:
        return p({kLowPair, kHighPair});
    case E::k3FL2HiCards:
    case E::k3FL1HiCard:
    case E::k3FL0HiCards:
    case E::kQJs:
    case E::kKQsKJs:
    case E::kAKsAQsAJs:
    case E::kJTs:
    case E::kQTs:
    case E::kKTs:
    case E::k2STFLOpen45s9Ts:
    case E::kKQJ:
    case E::kQJT:
    case E::kQJ:
    case E::kKQKJ:
    case E::kAKAQAJ:
    case E::kAce:
    case E::kJack:
    case E::kQueen:
    case E::kKing:
    case E::kRedraw:
        return kAll;
    default:
        // The royal, flush, straight-flush and straight draws.
        return kBelowTwoPair;
    }
}

// Hand features that entries require. An entry is tried only when the hand
// has every feature the entry requires; the rest of its test is its matcher.
enum Feature : unsigned {
    kHasRoyalFlush,
    kHasStraightFlush,
    kHasFlush,
    kHasStraight,
    kHasFourRoyal,
    kHasThreeRoyal,
    kHasFourStraightFlush,
    kHasThreeStraightFlush,
    kHasFourFlush,
    kHasFourStraight,
    kHasAce,
    kHasThreeSuited,
    kHasSuitWithTwoHigh, // a suit holding two high cards or more
    kHasSuitWithOneHigh, // a suit of two cards or more holding one high card
    kHasTwoHigh,         // highTotal 2
    kHasThreeHigh,       // highTotal 3
    kHasJackTop,         // R4 a Jack
    kHasQueenTop,        // R4 a Queen
    kHasKingTop,         // R4 a King
    kFeatureCount,
};

constexpr unsigned RequiredFeatures(EntryId id) {
    using E = EntryId;
    switch (id) {
    case E::kPatRoyal:
        return 1u << kHasRoyalFlush;
    case E::kPatStraightFlush:
        return 1u << kHasStraightFlush;
    case E::kPatFlush:
        return 1u << kHasFlush;
    case E::kPatStraight:
        return 1u << kHasStraight;
    case E::k4Royal:
        return 1u << kHasFourRoyal;
    case E::k3Royal:
    case E::kQJTs:
    case E::kKQJsKQTsKJTs:
    case E::kAKQsAKJsAKTsAQJsAQTsAJTs:
        return 1u << kHasThreeRoyal;
    case E::k4STFLOpen2345s9TJQs:
    case E::k4STFLInside:
        return 1u << kHasFourStraightFlush;
    case E::k3STFLOpen345s89Ts:
    case E::kJT9s:
    case E::kQJ9s:
    case E::kQT9sJT8sJ98s:
    case E::k3STFL1Gap0HiPlus234s:
    case E::kQJ8s:
    case E::kKQ9sKJ9s:
    case E::k3STFL2Gaps1Hi:
    case E::k3STFL2Gaps0Hi:
        return 1u << kHasThreeStraightFlush;
    case E::k4Flush:
        return 1u << kHasFourFlush;
    case E::kTJQK:
    case E::k9TJQ:
    case E::k89TJ:
    case E::k4STOpen2345789T:
    case E::k4STOpen2345TJQK:
    case E::kAKQJ:
    case E::k4STInside3HiCards:
    case E::k4STInside2HiCards:
    case E::k4STInside1HiCard:
    case E::k4STInside0HiCards:
        return 1u << kHasFourStraight;
    case E::kAce:
        return 1u << kHasAce;
    case E::k3FL2HiCards:
    case E::k3FL1HiCard:
    case E::k3FL0HiCards:
        return 1u << kHasThreeSuited;
    case E::kQJs:
    case E::kKQsKJs:
    case E::kAKsAQsAJs:
        return 1u << kHasSuitWithTwoHigh;
    case E::kJTs:
    case E::kQTs:
    case E::kKTs:
        return 1u << kHasSuitWithOneHigh;
    case E::kKQJ:
        return 1u << kHasThreeHigh;
    case E::kQJT:
        return 1u << kHasTwoHigh | 1u << kHasQueenTop;
    case E::kAKAQAJ:
        return 1u << kHasTwoHigh | 1u << kHasAce;
    case E::kQJ:
    case E::kQueen:
        return 1u << kHasQueenTop;
    case E::kKQKJ:
    case E::kKing:
        return 1u << kHasKingTop;
    case E::kJack:
        return 1u << kHasJackTop;
    default:
        return 0;
    }
}

unsigned SuitFeatures(const HandAnalysis& a) {
    unsigned f = 0;
    for (const SuitTally& t : a.tallies) {
        f |= static_cast<unsigned>(t.high >= 2) << kHasSuitWithTwoHigh;
        f |= static_cast<unsigned>(t.high == 1 && t.count >= 2) << kHasSuitWithOneHigh;
    }
    return f;
}

unsigned FeaturesOf(const HandAnalysis& a) {
    return static_cast<unsigned>(a.royalFlush) << kHasRoyalFlush |
           static_cast<unsigned>(a.straightFlush) << kHasStraightFlush |
           static_cast<unsigned>(a.flush) << kHasFlush |
           static_cast<unsigned>(a.straight) << kHasStraight |
           static_cast<unsigned>(a.fourRoyal) << kHasFourRoyal |
           static_cast<unsigned>(a.threeRoyal) << kHasThreeRoyal |
           static_cast<unsigned>(a.fourStraightFlush) << kHasFourStraightFlush |
           static_cast<unsigned>(a.threeStraightFlush) << kHasThreeStraightFlush |
           static_cast<unsigned>(a.fourFlush) << kHasFourFlush |
           static_cast<unsigned>(a.fourStraight) << kHasFourStraight |
           static_cast<unsigned>(a.hasAce) << kHasAce |
           static_cast<unsigned>(a.MainTally().count == 3) << kHasThreeSuited | SuitFeatures(a) |
           static_cast<unsigned>(a.highTotal == 2) << kHasTwoHigh |
           static_cast<unsigned>(a.highTotal == 3) << kHasThreeHigh |
           static_cast<unsigned>(a.R(4) == kJack) << kHasJackTop |
           static_cast<unsigned>(a.R(4) == kQueen) << kHasQueenTop |
           static_cast<unsigned>(a.R(4) == kKing) << kHasKingTop;
}

// Per list and group pattern, the entries worth testing, in list order, as
// bit k for the k-th of them. For the features a hand lacks, the entries that
// survive are tabled by chunks of the missing-feature bits. A hand is walked
// only through the entries that its group pattern and its features allow,
// which gives the same first match as the whole list.
constexpr unsigned kChunkBits[3] = {7, 6, 6};
static_assert(kChunkBits[0] + kChunkBits[1] + kChunkBits[2] == kFeatureCount);

struct Program {
    std::uint64_t all;
    std::array<std::uint64_t, 128> chunk0;
    std::array<std::uint64_t, 64> chunk1;
    std::array<std::uint64_t, 64> chunk2;
    std::array<std::uint8_t, 64> positions;
    std::array<EntryId, 64> ids;

    std::uint64_t Candidates(unsigned features) const {
        const unsigned absent = ~features & ((1u << kFeatureCount) - 1);
        return all & chunk0[absent & 127u] & chunk1[(absent >> 7) & 63u] & chunk2[absent >> 13];
    }
};
using ListPrograms = std::array<Program, 7>;

std::array<ListPrograms, kStrategyListCount> BuildPrograms() {
    std::array<ListPrograms, kStrategyListCount> all{};
    for (int game = 0; game < kGameCount; ++game) {
        for (int choice = 0; choice < 2; ++choice) {
            const StrategyList& list = StrategyListFor(game, choice);
            ListPrograms& programs = all[static_cast<std::size_t>(game * 2 + choice)];
            for (unsigned pattern = 0; pattern < 7; ++pattern) {
                Program& prog = programs[pattern];
                prog = Program{};
                // Entries that do not need each feature.
                std::array<std::uint64_t, kFeatureCount> without{};
                int k = 0;
                for (int i = 1; i <= list.count; ++i) {
                    const EntryId id = list.slots[i].id;
                    if (!(PatternsFor(id) & (1u << pattern))) continue;
                    const std::uint64_t bit = std::uint64_t{1} << k;
                    prog.all |= bit;
                    for (unsigned f = 0; f < kFeatureCount; ++f)
                        if (!(RequiredFeatures(id) & (1u << f))) without[f] |= bit;
                    prog.positions[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(i);
                    prog.ids[static_cast<std::size_t>(k)] = id;
                    ++k;
                }
                auto fill = [&without](auto& table, unsigned firstFeature) {
                    for (std::size_t missing = 0; missing < table.size(); ++missing) {
                        std::uint64_t m = ~std::uint64_t{0};
                        for (unsigned b = 0; (std::size_t{1} << b) < table.size(); ++b)
                            if (missing & (std::size_t{1} << b)) m &= without[firstFeature + b];
                        table[missing] = m;
                    }
                };
                fill(prog.chunk0, 0);
                fill(prog.chunk1, kChunkBits[0]);
                fill(prog.chunk2, kChunkBits[0] + kChunkBits[1]);
            }
        }
    }
    return all;
}

const std::array<ListPrograms, kStrategyListCount> kPrograms = BuildPrograms();

} // namespace

void ClassifyNatural(const StrategyList& list, const HandAnalysis& a, Recommendation& r) {
    r.Clear();
    const GameRules rules = RulesFor(list.game);
    Matcher m(a, r);
    const Program& prog = kPrograms[static_cast<std::size_t>(list.game * 2 + list.choice)]
                                   [a.groupPattern < 7 ? a.groupPattern : 0];
    for (std::uint64_t candidates = prog.Candidates(FeaturesOf(a)); candidates != 0;
         candidates &= candidates - 1) {
        const auto k = static_cast<std::size_t>(std::countr_zero(candidates));
        const EntryId id = prog.ids[k];
        if (m.Match(id, rules)) {
            r.strategyIndex = prog.positions[k];
            m.SetAlternate(id);
            return;
        }
    }
    // Unreachable: every list ends with "Redraw", which always matches.
    r.strategyIndex = list.count;
}

namespace detail {

void ClassifyNaturalWholeList(const StrategyList& list, const HandAnalysis& a, Recommendation& r) {
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
    r.strategyIndex = list.count;
}

} // namespace detail

} // namespace quintaro
