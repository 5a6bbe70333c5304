#include <mutex>
#include <thread>

#include "core/pay_table.h"
#include "exact/engine.h"

namespace quintaro::exact::detail {

SmallCounts ComputeSmallCounts(const CategoryLookup& lookup) {
    const bool deuces = lookup.Family() == EvaluationFamily::Deuces;
    SmallCounts out;
    std::array<std::array<std::int64_t, kLanes>, 13> n1Times4{};
    std::array<int, 5> s{};
    for (s[4] = 4; s[4] <= 16; ++s[4])
        for (s[3] = 3; s[3] < s[4]; ++s[3])
            for (s[2] = 2; s[2] < s[3]; ++s[2])
                for (s[1] = 1; s[1] < s[2]; ++s[1])
                    for (s[0] = 0; s[0] < s[1]; ++s[0]) {
                        std::array<int, 13> m{};
                        for (int i = 0; i < 5; ++i) ++m[s[i] - i];
                        bool valid = true;
                        bool naturalsDistinct = true;
                        std::int64_t all = 1;
                        for (int r = 0; r < 13; ++r) {
                            if (m[r] > 4) valid = false;
                            if (m[r] > 1 && !(deuces && r == kTwo)) naturalsDistinct = false;
                            if (m[r] <= 4) all *= Choose(4, m[r]);
                        }
                        if (!valid) continue;
                        const int wild = deuces ? m[kTwo] : 0;
                        const std::int64_t suited = naturalsDistinct ? Choose(4, wild) * 4 : 0;
                        const int key = RankKey(s[0], s[1] - 1, s[2] - 2, s[3] - 3, s[4] - 4);
                        const int catSuited = lookup.Of(key, true);
                        const int catUnsuited = lookup.Of(key, false);
                        out.n0[catSuited] += suited;
                        out.n0[catUnsuited] += all - suited;
                        for (int r = 0; r < 13; ++r) {
                            if (!m[r]) continue;
                            n1Times4[r][catSuited] += suited * m[r];
                            n1Times4[r][catUnsuited] += (all - suited) * m[r];
                        }
                    }
    for (int r = 0; r < 13; ++r)
        for (int k = 0; k < kLanes; ++k) out.n1[r][k] = n1Times4[r][k] / 4;
    return out;
}

const SmallCounts& SmallCountsFor(EvaluationFamily family) {
    static std::array<std::once_flag, kFamilyCount> once;
    static std::array<SmallCounts, kFamilyCount> counts;
    const int f = FamilyIndex(family);
    std::call_once(once[f], [&] { counts[f] = ComputeSmallCounts(LookupFor(family)); });
    return counts[f];
}

std::size_t CountTables::Bytes() const {
    return n4.size() * sizeof(n4[0]) + n3.size() * sizeof(n3[0]) + n2.size() * sizeof(n2[0]) +
           n1.size() * sizeof(n1[0]) + sizeof(n0);
}

namespace {

// Adds every row of the (k+1)-card sets to the rows of its k-card subsets.
template <int K, class Src, class Dst>
void SumDown(const std::vector<Src>& src, std::vector<Dst>& dst) {
    constexpr int k = K + 1;
    std::array<int, k + 1> a{};
    for (int i = 0; i < k; ++i) a[i] = i;
    a[k] = 52;
    const int sets = Choose(52, k);
    for (int index = 0; index < sets; ++index) {
        const Src* row = &src[static_cast<std::size_t>(index) * kLanes];
        for (int drop = 0; drop < k; ++drop) {
            int sub = 0;
            for (int i = 0, pos = 1; i < k; ++i)
                if (i != drop) sub += Choose(a[i], pos++);
            Dst* out = &dst[static_cast<std::size_t>(sub) * kLanes];
            for (int lane = 0; lane < kLanes; ++lane)
                out[lane] = static_cast<Dst>(out[lane] + row[lane]);
        }
        if (index + 1 == sets) break;
        // The next set in colex order.
        int j = 0;
        while (a[j] + 1 == a[j + 1]) ++j;
        ++a[j];
        for (int i = 0; i < j; ++i) a[i] = i;
    }
}

template <class T> void DivideAll(std::vector<T>& v, int by) {
    for (T& x : v) x = static_cast<T>(x / by);
}

} // namespace

namespace {

// Every final hand whose highest card is in [firstTop, endTop) adds itself to
// its five four-card subsets. The innermost card varies fastest, so four of
// the five rows are consecutive.
void CountFourCardSets(const CategoryLookup& lookup, int firstTop, int endTop, std::uint8_t* n4) {
    for (int c4 = firstTop; c4 < endTop; ++c4) {
        const int k4 = Choose((c4 >> 2) + 4, 5);
        const unsigned m4 = lookup.SuitBit(c4);
        const int i4 = Choose(c4, 4);
        for (int c3 = 3; c3 < c4; ++c3) {
            const int k3 = k4 + Choose((c3 >> 2) + 3, 4);
            const unsigned m3 = m4 | lookup.SuitBit(c3);
            for (int c2 = 2; c2 < c3; ++c2) {
                const int k2 = k3 + Choose((c2 >> 2) + 2, 3);
                const unsigned m2 = m3 | lookup.SuitBit(c2);
                for (int c1 = 1; c1 < c2; ++c1) {
                    const int k1 = k2 + Choose((c1 >> 2) + 1, 2);
                    const unsigned m1 = m2 | lookup.SuitBit(c1);
                    std::uint8_t* drop0 = n4 + (c1 + Choose(c2, 2) + Choose(c3, 3) + i4) * kLanes;
                    std::uint8_t* drop1 = n4 + (Choose(c2, 2) + Choose(c3, 3) + i4) * kLanes;
                    std::uint8_t* drop2 = n4 + (Choose(c1, 2) + Choose(c3, 3) + i4) * kLanes;
                    std::uint8_t* drop3 = n4 + (Choose(c1, 2) + Choose(c2, 3) + i4) * kLanes;
                    std::uint8_t* drop4 =
                        n4 + (Choose(c1, 2) + Choose(c2, 3) + Choose(c3, 4)) * kLanes;
                    for (int c0 = 0; c0 < c1; ++c0) {
                        const unsigned m0 = m1 | lookup.SuitBit(c0);
                        const int cat = lookup.Of(k1 + (c0 >> 2), (m0 & (m0 - 1)) == 0);
                        const int at = c0 * kLanes + cat;
                        ++drop0[cat];
                        ++drop1[at];
                        ++drop2[at];
                        ++drop3[at];
                        ++drop4[at];
                    }
                }
            }
        }
    }
}

} // namespace

std::unique_ptr<CountTables> BuildCountTables(EvaluationFamily family, int threads) {
    const CategoryLookup& lookup = LookupFor(family);
    auto t = std::make_unique<CountTables>();
    const std::size_t n4Size = static_cast<std::size_t>(Choose(52, 4)) * kLanes;
    t->n4.assign(n4Size, 0);
    if (threads < 2) {
        CountFourCardSets(lookup, 4, 52, t->n4.data());
    } else {
        // The hands with a top card from 46 up are about half of all hands;
        // a second worker counts them apart, then the counts are added.
        constexpr int kSplit = 46;
        std::vector<std::uint8_t> upper(n4Size, 0);
        std::thread worker(CountFourCardSets, std::cref(lookup), kSplit, 52, upper.data());
        CountFourCardSets(lookup, 4, kSplit, t->n4.data());
        worker.join();
        for (std::size_t i = 0; i < n4Size; ++i)
            t->n4[i] = static_cast<std::uint8_t>(t->n4[i] + upper[i]);
    }
    // A final hand with a k-card subset T has 5 - k ways to add one card to T.
    t->n3.assign(static_cast<std::size_t>(Choose(52, 3)) * kLanes, 0);
    SumDown<3>(t->n4, t->n3);
    DivideAll(t->n3, 2);
    t->n2.assign(static_cast<std::size_t>(Choose(52, 2)) * kLanes, 0);
    SumDown<2>(t->n3, t->n2);
    DivideAll(t->n2, 3);
    t->n1.assign(52 * kLanes, 0);
    SumDown<1>(t->n2, t->n1);
    DivideAll(t->n1, 4);
    for (int c = 0; c < 52; ++c)
        for (int lane = 0; lane < kLanes; ++lane) t->n0[lane] += t->n1[c * kLanes + lane];
    for (auto& x : t->n0) x /= 5;
    return t;
}

namespace {

struct Slot {
    std::mutex m;
    std::atomic<const CountTables*> ready{nullptr};
    std::unique_ptr<CountTables> owned;
};
std::array<Slot, kFamilyCount>& Slots() {
    static std::array<Slot, kFamilyCount> slots;
    return slots;
}

} // namespace

const CountTables* TablesIfReady(EvaluationFamily family) {
    return Slots()[FamilyIndex(family)].ready.load(std::memory_order_acquire);
}

const CountTables& EnsureTables(EvaluationFamily family, int threads) {
    Slot& slot = Slots()[FamilyIndex(family)];
    if (const CountTables* t = slot.ready.load(std::memory_order_acquire)) return *t;
    std::lock_guard lock(slot.m);
    if (!slot.owned) {
        slot.owned = BuildCountTables(family, threads);
        slot.ready.store(slot.owned.get(), std::memory_order_release);
    }
    return *slot.owned;
}

void DropTables() {
    for (Slot& slot : Slots()) {
        std::lock_guard lock(slot.m);
        slot.ready.store(nullptr, std::memory_order_release);
        slot.owned.reset();
    }
}

PriceRow PricesFor(int game, int choice, int coins) {
    return PricesFor(game, BuiltInSchedule(game, choice), coins);
}

PriceRow PricesFor(int game, const PaySchedule& pays, int coins) {
    PriceRow p{};
    const PayRow& row = pays.PerCoin(coins);
    const int n = CategoryCount(GameInfoFor(game).family);
    for (int c = 0; c < n; ++c) p[c] = row[c] * coins;
    return p;
}

std::int64_t DrawsFor(int held) {
    return Choose(47, 5 - held);
}

} // namespace quintaro::exact::detail
