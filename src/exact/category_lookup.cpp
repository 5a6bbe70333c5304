#include <algorithm>
#include <mutex>

#include "core/hand_analysis.h"
#include "exact/engine.h"

namespace quintaro::exact::detail {

namespace {

constexpr std::array<Card, 52> BuildGameCards() {
    std::array<Card, 52> t{};
    for (int e = 0; e < 52; ++e) t[e] = CardOf(e >> 2, e & 3);
    return t;
}
constexpr std::array<Card, 52> kGameCards = BuildGameCards();

} // namespace

Card ToGame(int engineCard) {
    return kGameCards[static_cast<std::size_t>(engineCard)];
}

CategoryLookup::CategoryLookup(EvaluationFamily family)
    : family_(family), categories_(CategoryCount(family)), cat_(kRankMultisets * 2, 0) {
    const bool deuces = family == EvaluationFamily::Deuces;
    for (int e = 0; e < 52; ++e)
        suitBits_[e] = deuces && (e >> 2) == kTwo ? 0 : static_cast<std::uint8_t>(1u << (e & 3));

    HandAnalysis a;
    std::array<int, 5> s{};
    for (s[4] = 4; s[4] <= 16; ++s[4])
        for (s[3] = 3; s[3] < s[4]; ++s[3])
            for (s[2] = 2; s[2] < s[3]; ++s[2])
                for (s[1] = 1; s[1] < s[2]; ++s[1])
                    for (s[0] = 0; s[0] < s[1]; ++s[0]) {
                        std::array<int, 5> r{};
                        std::array<int, 13> seen{};
                        bool naturalsDistinct = true;
                        int naturals = 0;
                        bool valid = true;
                        for (int i = 0; i < 5; ++i) {
                            r[i] = s[i] - i;
                            if (++seen[r[i]] > 4) valid = false;
                            const bool wild = deuces && r[i] == kTwo;
                            if (!wild) {
                                ++naturals;
                                if (seen[r[i]] > 1) naturalsDistinct = false;
                            }
                        }
                        if (!valid) continue;
                        const int key = RankKey(r[0], r[1], r[2], r[3], r[4]);
                        // Unsuited: each rank's copies in different suits, and two
                        // distinct naturals in different suits.
                        std::array<Card, 5> hand{};
                        std::array<int, 13> occurrence{};
                        int naturalSeen = 0;
                        for (int i = 0; i < 5; ++i) {
                            int suit = occurrence[r[i]]++;
                            const bool wild = deuces && r[i] == kTwo;
                            if (!wild && naturalsDistinct && naturalSeen++ == 1) suit = 1;
                            hand[i] = CardOf(r[i], suit);
                        }
                        if (naturals >= 2)
                            cat_[key * 2] =
                                static_cast<std::uint8_t>(EvaluateCards(family, hand, a));
                        // Suited: the naturals in one suit.
                        if (naturalsDistinct) {
                            occurrence = {};
                            for (int i = 0; i < 5; ++i) {
                                const bool wild = deuces && r[i] == kTwo;
                                const int suit = wild ? occurrence[r[i]]++ : 0;
                                hand[i] = CardOf(r[i], suit);
                            }
                            cat_[key * 2 + 1] =
                                static_cast<std::uint8_t>(EvaluateCards(family, hand, a));
                        }
                    }
}

std::uint8_t CategoryLookup::OfSorted(const int* c) const {
    const unsigned mask =
        suitBits_[c[0]] | suitBits_[c[1]] | suitBits_[c[2]] | suitBits_[c[3]] | suitBits_[c[4]];
    return Of(RankKey(c[0] >> 2, c[1] >> 2, c[2] >> 2, c[3] >> 2, c[4] >> 2),
              (mask & (mask - 1)) == 0);
}

std::uint8_t CategoryLookup::OfAny(int a, int b, int c, int d, int e) const {
    auto order = [](int& x, int& y) {
        const int lo = std::min(x, y);
        y = std::max(x, y);
        x = lo;
    };
    // A sorting network for five.
    order(a, b);
    order(d, e);
    order(c, e);
    order(c, d);
    order(b, e);
    order(a, d);
    order(a, c);
    order(b, d);
    order(b, c);
    const int s[5] = {a, b, c, d, e};
    return OfSorted(s);
}

const CategoryLookup& LookupFor(EvaluationFamily family) {
    static std::array<std::once_flag, kFamilyCount> once;
    static std::array<std::unique_ptr<CategoryLookup>, kFamilyCount> lookups;
    const int f = FamilyIndex(family);
    std::call_once(once[f], [&] { lookups[f] = std::make_unique<CategoryLookup>(family); });
    return *lookups[f];
}

HandCategory LookupCategory(EvaluationFamily family, const std::array<Card, 5>& cards) {
    return LookupFor(family).OfAny(ToEngine(cards[0]), ToEngine(cards[1]), ToEngine(cards[2]),
                                   ToEngine(cards[3]), ToEngine(cards[4]));
}

} // namespace quintaro::exact::detail
