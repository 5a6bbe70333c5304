#include <algorithm>
#include <limits>

#include "exact/engine.h"

namespace quintaro::exact::detail {

namespace {

// Bit patterns of the subsets of five cards, and each subset's size.
struct SubsetInfo {
    std::array<std::uint8_t, kHoldCount> size{};
    std::array<std::uint8_t, kHoldCount> top{}; // the highest card's bit
    constexpr SubsetInfo() {
        for (int s = 1; s < kHoldCount; ++s) {
            size[s] = static_cast<std::uint8_t>(size[s & (s - 1)] + 1);
            int t = 0;
            while (s >> (t + 1)) ++t;
            top[s] = static_cast<std::uint8_t>(t);
        }
    }
};
constexpr SubsetInfo kSubsets{};

// The colex index of every subset of the hand.
void SubsetIndices(const int* sorted, std::array<std::int32_t, kHoldCount>& index) {
    index[0] = 0;
    for (int s = 1; s < kHoldCount; ++s) {
        const int t = kSubsets.top[s];
        const int rest = s ^ (1 << t);
        index[s] = index[rest] + Choose(sorted[t], kSubsets.size[rest] + 1);
    }
}

// The largest price for which a row priced in 32 bits cannot overflow: no row
// counts more than the C(51,4) = 249,900 final hands that hold a given card.
// Every built-in table stays below it; a table of one's own may pay more.
constexpr std::int32_t kNarrowPriceLimit = std::numeric_limits<std::int32_t>::max() / 249'900;

bool NarrowEnough(const PriceRow& p) {
    return *std::max_element(p.begin(), p.end()) <= kNarrowPriceLimit;
}

template <class T> std::int64_t Price(const T* row, const PriceRow& p) {
    std::int32_t sum = 0;
    for (int lane = 0; lane < kLanes; ++lane) sum += static_cast<std::int32_t>(row[lane]) * p[lane];
    return sum;
}

template <class T> std::int64_t PriceWide(const T* row, const PriceRow& p) {
    std::int64_t sum = 0;
    for (int lane = 0; lane < kLanes; ++lane) sum += static_cast<std::int64_t>(row[lane]) * p[lane];
    return sum;
}

// Turns the priced counts of the final hands containing each subset into the
// totals of the draws that keep a subset and throw away the rest of the hand.
void ExcludeDiscards(SubsetTotals& v) {
    for (int b = 0; b < 5; ++b)
        for (int s = 0; s < kHoldCount; ++s)
            if (!(s >> b & 1)) v[s] -= v[s | 1 << b];
}

} // namespace

void TotalsWithTables(const CountTables& t, const CategoryLookup& lookup, const int* sorted,
                      const PriceRow& prices, SubsetTotals& out) {
    std::array<std::int32_t, kHoldCount> index;
    SubsetIndices(sorted, index);
    out[0] = PriceWide(t.n0.data(), prices);
    for (int s = 1; s < kHoldCount - 1; ++s) {
        const std::size_t at = static_cast<std::size_t>(index[s]) * kLanes;
        switch (kSubsets.size[s]) {
        case 1:
            out[s] = PriceWide(&t.n1[at], prices);
            break;
        case 2:
            out[s] = PriceWide(&t.n2[at], prices);
            break;
        case 3:
            out[s] = PriceWide(&t.n3[at], prices);
            break;
        default:
            out[s] = PriceWide(&t.n4[at], prices);
            break;
        }
    }
    out[kHoldCount - 1] = prices[lookup.OfSorted(sorted)];
    ExcludeDiscards(out);
}

PricedTables PricedTablesShape() {
    PricedTables p;
    p.p4.resize(static_cast<std::size_t>(Choose(52, 4)));
    p.p3.resize(static_cast<std::size_t>(Choose(52, 3)));
    p.p2.resize(static_cast<std::size_t>(Choose(52, 2)));
    p.p1.resize(52);
    return p;
}

void PriceTables(const CountTables& t, const PriceRow& prices, int part, int parts,
                 PricedTables& out) {
    const bool narrow = NarrowEnough(prices);
    auto priceRange = [&](const auto& rows, std::vector<std::int64_t>& to) {
        const std::size_t n = to.size();
        const std::size_t begin =
            n * static_cast<std::size_t>(part) / static_cast<std::size_t>(parts);
        const std::size_t end =
            n * static_cast<std::size_t>(part + 1) / static_cast<std::size_t>(parts);
        for (std::size_t i = begin; i < end; ++i)
            to[i] =
                narrow ? Price(&rows[i * kLanes], prices) : PriceWide(&rows[i * kLanes], prices);
    };
    priceRange(t.n4, out.p4);
    priceRange(t.n3, out.p3);
    priceRange(t.n2, out.p2);
    priceRange(t.n1, out.p1);
    if (part == 0) out.p0 = PriceWide(t.n0.data(), prices);
}

void TotalsPriced(const PricedTables& t, const CategoryLookup& lookup, const int* sorted,
                  const PriceRow& prices, SubsetTotals& out) {
    std::array<std::int32_t, kHoldCount> index;
    SubsetIndices(sorted, index);
    out[0] = t.p0;
    static constexpr std::array<int, 5> kOne{1, 2, 4, 8, 16};
    static constexpr std::array<int, 10> kTwo{3, 5, 6, 9, 10, 12, 17, 18, 20, 24};
    static constexpr std::array<int, 10> kThree{7, 11, 13, 14, 19, 21, 22, 25, 26, 28};
    static constexpr std::array<int, 5> kFour{15, 23, 27, 29, 30};
    for (int s : kOne) out[s] = t.p1[index[s]];
    for (int s : kTwo) out[s] = t.p2[index[s]];
    for (int s : kThree) out[s] = t.p3[index[s]];
    for (int s : kFour) out[s] = t.p4[index[s]];
    out[kHoldCount - 1] = prices[lookup.OfSorted(sorted)];
    ExcludeDiscards(out);
}

void TotalsWithoutTables(const CategoryLookup& lookup, const int* sorted, const PriceRow& prices,
                         SubsetTotals& out) {
    const SmallCounts& small = SmallCountsFor(lookup.Family());
    out[0] = PriceWide(small.n0.data(), prices);
    for (int s = 1; s < kHoldCount - 1; ++s) {
        std::array<int, 4> held{};
        int k = 0;
        for (int i = 0; i < 5; ++i)
            if (s >> i & 1) held[k++] = sorted[i];
        if (k == 1) {
            out[s] = PriceWide(small.n1[held[0] >> 2].data(), prices);
            continue;
        }
        // The other cards of the deck, and every way to fill the hand from them.
        std::array<int, 52> rest{};
        int n = 0;
        for (int c = 0; c < 52; ++c) {
            bool isHeld = false;
            for (int i = 0; i < k; ++i) isHeld |= held[i] == c;
            if (!isHeld) rest[n++] = c;
        }
        std::array<std::int64_t, kLanes> counts{};
        if (k == 4) {
            for (int a = 0; a < n; ++a)
                ++counts[lookup.OfAny(held[0], held[1], held[2], held[3], rest[a])];
        } else if (k == 3) {
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b)
                    ++counts[lookup.OfAny(held[0], held[1], held[2], rest[a], rest[b])];
        } else {
            for (int a = 0; a < n; ++a)
                for (int b = a + 1; b < n; ++b)
                    for (int c = b + 1; c < n; ++c)
                        ++counts[lookup.OfAny(held[0], held[1], rest[a], rest[b], rest[c])];
        }
        out[s] = PriceWide(counts.data(), prices);
    }
    out[kHoldCount - 1] = prices[lookup.OfSorted(sorted)];
    ExcludeDiscards(out);
}

} // namespace quintaro::exact::detail
