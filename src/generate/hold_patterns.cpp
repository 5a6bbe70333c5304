#include "generate/hold_patterns.h"

#include <algorithm>
#include <bit>

#include "core/game_variant.h"
#include "core/hand_names.h"
#include "exact/engine.h"

namespace quintaro::generate {

namespace {

// A key is deuces << 13 | kind << 9 | parameter.
enum Kind : int {
    kMade = 1,        // five cards that pay: the category
    kQuads = 2,       // rank
    kTrips = 3,       // rank
    kTripsKicker = 4, // rank * 13 + kicker's rank
    kTwoPairs = 5,    // the higher pair's rank
    kPairOf = 6,      // rank
    kRoyalDraw = 7,   // suited royal ranks, bit 0 = Ten .. bit 4 = Ace
    kFlushRun = 8,    // suited, within a straight: cards, ways, high cards
    kFlushDraw = 9,   // suited, no straight: cards, high cards
    kSingle = 10,     // one card: rank
    kHighCards = 11,  // unsuited high cards, bit 0 = Jack .. bit 3 = Ace
    kRun = 12,        // unsuited, within a straight: cards, ways, high cards
    kDeucesAlone = 13,
    kRedraw = 14,
};

constexpr PatternKey Key(int deuces, int kind, int param) {
    return static_cast<PatternKey>(deuces << 13 | kind << 9 | param);
}
constexpr int DeucesOf(PatternKey k) {
    return k >> 13;
}
constexpr int KindOf(PatternKey k) {
    return k >> 9 & 15;
}
constexpr int ParamOf(PatternKey k) {
    return k & 511;
}
constexpr int RunParam(int cards, int ways, int high) {
    return ((cards - 2) * 5 + ways - 1) * 5 + high;
}

// Ace high: 2..14 for ranks Two..Ace.
constexpr int HighOrder(int rank) {
    return rank == kAce ? 14 : rank + 1;
}

// How many of the ten five-card straights contain all ranks of the bit set
// (bit r = rank code r, Ace both ends).
int StraightWays(unsigned ranks) {
    int ways = 0;
    for (int low = 0; low <= 9; ++low) {
        unsigned run = 0;
        for (int k = 0; k < 5; ++k) run |= 1u << ((low + k) % 13);
        if ((ranks & ~run) == 0) ++ways;
    }
    return ways;
}

// The highest rank of naturals (the Ace low when they fit below a Six):
// 0 for a Five or less, then Six, Seven, Eight, and 4 for a Nine or more.
int TopBucket(unsigned ranks) {
    int top = 0;
    const bool aceLow = (ranks & ~0x1Fu) == 0;
    for (int r = 0; r < 13; ++r)
        if (ranks >> r & 1) top = std::max(top, r == kAce ? (aceLow ? 1 : 14) : r + 1);
    return std::clamp(top - 5, 0, 4);
}

} // namespace

PatternKey RedrawPattern() {
    return Key(0, kRedraw, 0);
}

PatternKey PatternOf(int game, const std::array<Card, 5>& cards, int mask) {
    const bool deucesWild = game == kDeucesWild;
    const int held = std::popcount(static_cast<unsigned>(mask));
    if (held == 0) return RedrawPattern();
    if (held == 5) {
        const HandCategory c = exact::detail::LookupCategory(GameInfoFor(game).family, cards);
        if (c == 0) return kNoPattern;
        int deuces = 0;
        if (deucesWild)
            for (Card card : cards) deuces += RankOf(card) == kTwo;
        return Key(deuces, kMade, c);
    }
    int deuces = 0, naturals = 0;
    std::array<int, 13> count{};
    unsigned ranks = 0;
    int suit = -1;
    bool suited = true;
    int high = 0;
    for (int i = 0; i < 5; ++i) {
        if (!(mask >> i & 1)) continue;
        const int r = RankOf(cards[static_cast<std::size_t>(i)]);
        if (deucesWild && r == kTwo) {
            ++deuces;
            continue;
        }
        ++naturals;
        ++count[static_cast<std::size_t>(r)];
        ranks |= 1u << r;
        const int s = SuitOf(cards[static_cast<std::size_t>(i)]);
        if (suit >= 0 && s != suit) suited = false;
        suit = s;
        if (!deucesWild && IsHighRank(r)) ++high;
    }
    if (naturals == 0) return Key(deuces, kDeucesAlone, 0);
    const int distinct = std::popcount(ranks);
    if (distinct < naturals) {
        int trips = -1, kicker = -1;
        std::array<int, 2> pairs{-1, -1};
        int pairCount = 0;
        for (int r = 0; r < 13; ++r) {
            const int n = count[static_cast<std::size_t>(r)];
            if (n == 4) return Key(deuces, kQuads, r);
            if (n == 3) trips = r;
            if (n == 2) pairs[static_cast<std::size_t>(pairCount++ & 1)] = r;
            if (n == 1) kicker = r;
        }
        if (trips >= 0) {
            if (naturals == 3) return Key(deuces, kTrips, trips);
            if (naturals == 4) return Key(deuces, kTripsKicker, trips * 13 + kicker);
            return kNoPattern;
        }
        if (pairCount == 2) {
            const int hi = HighOrder(pairs[0]) > HighOrder(pairs[1]) ? pairs[0] : pairs[1];
            return Key(deuces, kTwoPairs, hi);
        }
        if (naturals == 2) return Key(deuces, kPairOf, pairs[0]);
        return kNoPattern;
    }
    if (naturals == 1) {
        const int r = std::countr_zero(ranks);
        return Key(deuces, kSingle, r);
    }
    constexpr unsigned kRoyalRanks =
        1u << kAce | 1u << kTen | 1u << kJack | 1u << kQueen | 1u << kKing;
    const int ways = StraightWays(ranks);
    // In Deuces Wild high cards pay nothing; how high a draw reaches matters.
    if (deucesWild) high = TopBucket(ranks);
    if (suited) {
        if ((ranks & ~kRoyalRanks) == 0) {
            int bits = 0;
            const int royal[5] = {kTen, kJack, kQueen, kKing, kAce};
            for (int k = 0; k < 5; ++k)
                if (ranks >> royal[k] & 1) bits |= 1 << k;
            return Key(deuces, kRoyalDraw, bits);
        }
        if (ways > 0) return Key(deuces, kFlushRun, RunParam(naturals, ways, high));
        return Key(deuces, kFlushDraw, naturals * 5 + high);
    }
    constexpr unsigned kHighRanks = 1u << kAce | 1u << kJack | 1u << kQueen | 1u << kKing;
    if (!deucesWild && (ranks & ~kHighRanks) == 0) {
        int bits = 0;
        const int order[4] = {kJack, kQueen, kKing, kAce};
        for (int k = 0; k < 4; ++k)
            if (ranks >> order[k] & 1) bits |= 1 << k;
        return Key(deuces, kHighCards, bits);
    }
    if (ways > 0) return Key(deuces, kRun, RunParam(naturals, ways, high));
    return kNoPattern;
}

namespace {

// Discards that share a suit with a held card: fewer is better.
int SharedSuits(const std::array<Card, 5>& cards, int mask) {
    unsigned heldSuits = 0;
    for (int i = 0; i < 5; ++i)
        if (mask >> i & 1) heldSuits |= 1u << SuitOf(cards[static_cast<std::size_t>(i)]);
    int shared = 0;
    for (int i = 0; i < 5; ++i)
        if (!(mask >> i & 1) && (heldSuits >> SuitOf(cards[static_cast<std::size_t>(i)]) & 1))
            ++shared;
    return shared;
}

// The held and discarded ranks of every suit, in an order that does not
// depend on the suits' names.
std::array<std::uint32_t, 4> SuitShape(const std::array<Card, 5>& cards, int mask) {
    std::array<std::uint32_t, 4> shape{};
    for (int i = 0; i < 5; ++i) {
        const Card c = cards[static_cast<std::size_t>(i)];
        shape[static_cast<std::size_t>(SuitOf(c))] |= 1u
                                                      << (RankOf(c) + ((mask >> i & 1) ? 13 : 0));
    }
    std::sort(shape.begin(), shape.end());
    return shape;
}

bool Prefer(const std::array<Card, 5>& cards, int a, int b) {
    const int sa = SharedSuits(cards, a), sb = SharedSuits(cards, b);
    if (sa != sb) return sa < sb;
    return SuitShape(cards, a) > SuitShape(cards, b);
}

} // namespace

void PatternsOfDeal(int game, const std::array<Card, 5>& cards, DealPatterns& out) {
    out.count = 0;
    for (int m = 0; m < 32; ++m) {
        const PatternKey k = PatternOf(game, cards, m);
        if (k == kNoPattern) continue;
        int at = 0;
        while (at < out.count && out.key[static_cast<std::size_t>(at)] != k) ++at;
        if (at == out.count) {
            out.key[static_cast<std::size_t>(out.count)] = k;
            out.mask[static_cast<std::size_t>(out.count++)] = static_cast<std::uint8_t>(m);
        } else if (Prefer(cards, m, out.mask[static_cast<std::size_t>(at)])) {
            out.mask[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(m);
        }
    }
}

int FamilyOf(PatternKey key) {
    const int kind = KindOf(key);
    const int p = ParamOf(key);
    int sub = 0;
    switch (kind) {
    case kMade:
        sub = p;
        break;
    case kRoyalDraw:
        sub = std::popcount(static_cast<unsigned>(p));
        break;
    case kFlushRun:
    case kRun:
        sub = p / 5; // cards and ways
        break;
    case kFlushDraw:
        sub = p / 5; // cards
        break;
    case kHighCards:
        sub = std::popcount(static_cast<unsigned>(p));
        break;
    default:
        break;
    }
    return DeucesOf(key) << 12 | kind << 8 | sub;
}

namespace {

const char kRankChar[] = "A23456789TJQK";

std::string RankWord(int rank) {
    static const char* const kWords[13] = {"Ace",  "Two",   "Three", "Four", "Five",
                                           "Six",  "Seven", "Eight", "Nine", "Ten",
                                           "Jack", "Queen", "King"};
    return kWords[rank];
}

// Ranks as "A", "2-4", "5-K", "J, Q, K" in Ace-high order; doubled for pairs.
std::string RankSet(std::vector<int> ranks, bool doubled) {
    std::sort(ranks.begin(), ranks.end(), [](int x, int y) { return HighOrder(x) < HighOrder(y); });
    ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
    auto one = [&](int r) {
        std::string s(1, kRankChar[r]);
        return doubled ? s + s : s;
    };
    std::string out;
    for (std::size_t i = 0; i < ranks.size();) {
        std::size_t j = i;
        while (j + 1 < ranks.size() && HighOrder(ranks[j + 1]) == HighOrder(ranks[j]) + 1) ++j;
        if (!out.empty()) out += ", ";
        if (j >= i + 2)
            out += one(ranks[i]) + "-" + one(ranks[j]);
        else
            for (std::size_t k = i; k <= j; ++k) out += (k > i ? ", " : "") + one(ranks[k]);
        i = j + 1;
    }
    return out;
}

// "Aces", "2-4", "of a Kind" (every rank).
std::string RankGroup(std::vector<int> ranks) {
    std::sort(ranks.begin(), ranks.end());
    ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
    if (ranks.size() == 13) return "of a Kind";
    if (ranks.size() == 1) return RankWord(ranks[0]) + (ranks[0] == kSix ? "es" : "s");
    return RankSet(ranks, false);
}

std::string Plural(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::string Range(const std::vector<int>& values) {
    const auto [lo, hi] = std::minmax_element(values.begin(), values.end());
    return *lo == *hi ? std::to_string(*lo) : std::to_string(*lo) + "-" + std::to_string(*hi);
}

// Top buckets as ranks: "5", "6-8", "9-A".
std::string TopText(const std::vector<int>& buckets) {
    static const char* const kTop[5] = {"5", "6", "7", "8", "9"};
    const auto [lo, hi] = std::minmax_element(buckets.begin(), buckets.end());
    if (*hi == 4) return std::string(kTop[*lo]) + "-A";
    return *lo == *hi ? kTop[*lo] : std::string(kTop[*lo]) + "-" + kTop[*hi];
}

std::string RoyalCards(int bits) {
    static const char kRoyal[] = "TJQKA";
    std::string s;
    for (int k = 4; k >= 0; --k)
        if (bits >> k & 1) s += kRoyal[k];
    return s;
}

std::string HighCardsText(int bits) {
    static const char kHigh[] = "JQKA";
    std::string s;
    for (int k = 3; k >= 0; --k)
        if (bits >> k & 1) s += kHigh[k];
    return s;
}

std::string Listed(const std::vector<std::string>& parts) {
    std::string s;
    for (const std::string& p : parts) s += (s.empty() ? "" : ", ") + p;
    return s;
}

std::string NaturalText(int game, const std::vector<PatternKey>& keys, int deuces) {
    const PatternKey first = keys.front();
    const int kind = KindOf(first);
    std::vector<int> params;
    for (PatternKey k : keys) params.push_back(ParamOf(k));
    const bool wild = deuces > 0;
    switch (kind) {
    case kMade:
        return std::string("Pat ") +
               std::string(
                   CategoryNamesFor(game)[static_cast<std::size_t>(params[0])].statisticsName);
    case kQuads:
        return "Four " + RankGroup(params);
    case kTrips:
        return "Three " + RankGroup(params);
    case kTripsKicker: {
        std::vector<int> trips, kickers;
        for (int p : params) {
            trips.push_back(p / 13);
            kickers.push_back(p % 13);
        }
        return "Three " + RankSet(trips, false) + " with " + RankSet(kickers, false) + " Kicker";
    }
    case kTwoPairs:
        return keys.size() == 1 && params[0] != kAce
                   ? "Two Pair, " + RankSet(params, true) + " High"
               : params.size() == 1 ? "Two Pair, Aces Up"
                                    : "Two Pair, " + RankSet(params, true) + " High";
    case kPairOf:
        return "Pair " + RankSet(params, true);
    case kRoyalDraw: {
        const int n = std::popcount(static_cast<unsigned>(params[0])) + deuces;
        if (params.size() > 3 || n >= 4)
            return std::to_string(n) + (wild ? " Wild Royal" : " Royal");
        std::vector<std::string> parts;
        for (int p : params) parts.push_back(RoyalCards(p) + "s");
        return Listed(parts);
    }
    case kFlushRun:
    case kRun: {
        const int cards = params[0] / 25 + 2 + deuces;
        const int ways = params[0] / 5 % 5 + 1;
        const int most = 6 - (params[0] / 25 + 2);
        std::vector<int> highs;
        for (int p : params) highs.push_back(p % 5);
        std::string s = std::to_string(cards) + (kind == kRun ? " ST, " : " STFL, ");
        if (params[0] / 25 + 2 == 4)
            s += ways == 2 ? "Open" : "Inside";
        else
            s += ways == most ? "Open" : Plural(most - ways, "Gap", "Gaps");
        if (game == kDeucesWild)
            s += ", " + TopText(highs) + " High";
        else
            s += ", " + Range(highs) + " Hi";
        return s;
    }
    case kFlushDraw: {
        const int cards = params[0] / 5 + deuces;
        std::vector<int> highs;
        for (int p : params) highs.push_back(p % 5);
        return std::to_string(cards) + " Flush" +
               (game == kDeucesWild ? ", " + TopText(highs) + " High"
                                    : ", " + Range(highs) + " Hi");
    }
    case kSingle: {
        std::vector<std::string> parts;
        for (int p : params) parts.push_back(RankWord(p));
        return Listed(parts);
    }
    case kHighCards: {
        std::vector<std::string> parts;
        for (int p : params) parts.push_back(HighCardsText(p));
        return Listed(parts);
    }
    case kDeucesAlone:
        return deuces == 1   ? "Deuce Only"
               : deuces == 2 ? "Two Deuces"
               : deuces == 3 ? "Three Deuces"
                             : "Four Deuces";
    case kRedraw:
        return "Redraw";
    default:
        return "?";
    }
}

} // namespace

std::string EntryText(int game, const std::vector<PatternKey>& patterns) {
    const int deuces = DeucesOf(patterns.front());
    std::string text = NaturalText(game, patterns, deuces);
    const int kind = KindOf(patterns.front());
    if (game != kDeucesWild || kind == kRedraw || kind == kDeucesAlone) return text;
    if (kind == kRoyalDraw || kind == kFlushRun || kind == kFlushDraw || kind == kMade)
        return text +
               (deuces == 0 ? " (no Deuces)" : " (" + Plural(deuces, "Deuce", "Deuces") + ")");
    return text + (deuces == 0 ? "" : " + " + Plural(deuces, "Deuce", "Deuces"));
}

} // namespace quintaro::generate
