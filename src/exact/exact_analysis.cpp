#include "exact/exact_analysis.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>

#include "core/hand_analysis.h"
#include "exact/engine.h"
#include "strategy/classifier.h"

namespace quintaro::exact {

namespace detail {

HoldValues AnalyseHoldsVia(int game, const PaySchedule& pays, int coins,
                           const std::array<Card, 5>& cards, bool useTables) {
    const EvaluationFamily family = GameInfoFor(game).family;
    const CategoryLookup& lookup = LookupFor(family);
    const PriceRow prices = PricesFor(game, pays, coins);

    // The engine works on the cards in ascending order; bit j of a subset is
    // the j-th card in that order.
    std::array<int, 5> order{0, 1, 2, 3, 4};
    std::array<int, 5> engine{};
    for (int i = 0; i < 5; ++i) engine[i] = ToEngine(cards[i]);
    std::sort(order.begin(), order.end(), [&](int x, int y) { return engine[x] < engine[y]; });
    std::array<int, 5> sorted{};
    std::array<int, 5> bitOfPosition{};
    for (int j = 0; j < 5; ++j) {
        sorted[j] = engine[order[j]];
        bitOfPosition[order[j]] = 1 << j;
    }
    SubsetTotals totals;
    if (useTables)
        TotalsWithTables(EnsureTables(family), lookup, sorted.data(), prices, totals);
    else
        TotalsWithoutTables(lookup, sorted.data(), prices, totals);

    HoldValues v;
    v.coins = coins;
    for (int m = 0; m < kHoldCount; ++m) {
        int s = 0;
        for (int i = 0; i < 5; ++i)
            if (m >> i & 1) s |= bitOfPosition[i];
        v.totals[m] = totals[s];
        v.draws[m] = DrawsFor(std::popcount(static_cast<unsigned>(m)));
        v.perCoin[m] = static_cast<double>(v.totals[m]) / static_cast<double>(v.draws[m]) / coins;
    }
    for (int m = 1; m < kHoldCount; ++m)
        if (v.perCoin[m] > v.perCoin[v.best]) v.best = static_cast<HoldMask>(m);
    for (int m = 0; m < kHoldCount; ++m)
        if (v.perCoin[v.best] - v.perCoin[m] <= kTieTolerance) v.bestSet |= 1u << m;
    return v;
}

} // namespace detail

HoldValues AnalyseHolds(int game, int choice, int coins, const std::array<Card, 5>& cards) {
    return AnalyseHolds(game, BuiltInSchedule(game, choice), coins, cards);
}

HoldValues AnalyseHolds(int game, const PaySchedule& pays, int coins,
                        const std::array<Card, 5>& cards) {
    // Without tables the hand's own counts are made directly (a few
    // milliseconds); the tables come from Prepare() or a return calculation.
    return detail::AnalyseHoldsVia(game, pays, coins, cards,
                                   detail::TablesIfReady(GameInfoFor(game).family) != nullptr);
}

std::array<HoldMask, kHoldCount> RankHolds(const HoldValues& values) {
    std::array<HoldMask, kHoldCount> order{};
    for (int m = 0; m < kHoldCount; ++m) order[m] = static_cast<HoldMask>(m);
    std::stable_sort(order.begin(), order.end(),
                     [&](HoldMask x, HoldMask y) { return values.perCoin[x] > values.perCoin[y]; });
    return order;
}

HoldMask PerfectHold(const HoldValues& values, HoldMask listHold) {
    return values.IsBest(listHold) ? listHold : values.best;
}

HoldMask ListHold(int game, int choice, const std::array<Card, 5>& cards) {
    HandAnalysis a;
    Recommendation r;
    AdviseHand(game, choice, cards, a, r);
    HoldMask m = 0;
    for (int i = 0; i < 5; ++i)
        if (r.hold[i]) m |= static_cast<HoldMask>(1u << i);
    return m;
}

HoldMask MaskOf(const std::array<bool, 5>& held) {
    HoldMask m = 0;
    for (int i = 0; i < 5; ++i)
        if (held[i]) m |= static_cast<HoldMask>(1u << i);
    return m;
}

std::array<bool, 5> HeldOf(HoldMask mask) {
    std::array<bool, 5> held{};
    for (int i = 0; i < 5; ++i) held[i] = (mask >> i) & 1;
    return held;
}

namespace {

PayTableReturn Returns(int game, int choice, const PaySchedule& pays, int coins, int threads,
                       bool withStrategy) {
    using namespace detail;
    const EvaluationFamily family = GameInfoFor(game).family;
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const std::vector<DealClass>& classes = DealClasses();
    const int count = static_cast<int>(classes.size());
    constexpr int kBlock = 2048;
    const int blocks = (count + kBlock - 1) / kBlock;

    // The list's holds (kept per game and pay table) while the tables are
    // built, then every class is priced.
    std::shared_ptr<const ListHolds> listHolds;
    if (withStrategy && threads > 1) {
        std::thread builder([&] { EnsureTables(family); });
        listHolds = ListHoldsFor(game, choice, threads);
        builder.join();
    } else {
        EnsureTables(family, threads);
        if (withStrategy) listHolds = ListHoldsFor(game, choice, 1);
    }
    struct Sums {
        double optimal = 0;
        double strategy = 0;
    };
    std::vector<Sums> sums(static_cast<std::size_t>(threads));
    std::atomic<int> nextPriced{0};
    const PriceRow prices = PricesFor(game, pays, coins);
    const CategoryLookup& lookup = LookupFor(family);
    std::array<double, kHoldCount> perDraw{};
    for (int s = 0; s < kHoldCount; ++s)
        perDraw[s] = 1.0 / static_cast<double>(DrawsFor(std::popcount(static_cast<unsigned>(s))));
    PricedTables priced = PricedTablesShape();
    auto priceTables = [&](int part) {
        PriceTables(EnsureTables(family), prices, part, threads, priced);
    };
    auto price = [&](Sums& out) {
        SubsetTotals totals;
        for (int b; (b = nextPriced.fetch_add(1)) < blocks;) {
            double optimal = 0, strategy = 0;
            for (int i = b * kBlock; i < std::min(count, (b + 1) * kBlock); ++i) {
                const DealClass& d = classes[i];
                const int sorted[5] = {d.cards[0], d.cards[1], d.cards[2], d.cards[3], d.cards[4]};
                TotalsPriced(priced, lookup, sorted, prices, totals);
                double best = 0;
                for (int s = 0; s < kHoldCount; ++s)
                    best = std::max(best, static_cast<double>(totals[s]) * perDraw[s]);
                optimal += d.weight * best;
                if (!listHolds) continue;
                const int hold = listHolds->uniform[i];
                if (hold != ListHolds::kMixed) {
                    strategy += d.weight * static_cast<double>(totals[hold]) * perDraw[hold];
                    continue;
                }
                const auto& counts = listHolds->mixed.at(i);
                for (int h = 0; h < kHoldCount; ++h)
                    strategy += counts[h] * static_cast<double>(totals[h]) * perDraw[h];
            }
            out.optimal += optimal;
            out.strategy += strategy;
        }
    };

    if (threads == 1) {
        priceTables(0);
        price(sums[0]);
    } else {
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t) pool.emplace_back(priceTables, t);
        priceTables(0);
        for (auto& th : pool) th.join();
        pool.clear();
        for (int t = 1; t < threads; ++t) pool.emplace_back(price, std::ref(sums[t]));
        price(sums[0]);
        for (auto& th : pool) th.join();
    }
    Sums total;
    for (const Sums& s : sums) {
        total.optimal += s.optimal;
        total.strategy += s.strategy;
    }
    const double scale = 1.0 / kDealCount / coins;
    return PayTableReturn{total.optimal * scale, total.strategy * scale};
}

} // namespace

PayTableReturn ComputeReturn(int game, int choice, int coins, int threads) {
    return Returns(game, choice, BuiltInSchedule(game, choice), coins, threads, true);
}

double ComputeOptimalReturn(int game, int choice, int coins, int threads) {
    return ComputeOptimalReturn(game, BuiltInSchedule(game, choice), coins, threads);
}

double ComputeOptimalReturn(int game, const PaySchedule& pays, int coins, int threads) {
    return Returns(game, 0, pays, coins, threads, false).optimal;
}

void Prepare(int game) {
    const EvaluationFamily family = GameInfoFor(game).family;
    detail::LookupFor(family);
    detail::SmallCountsFor(family);
    detail::EnsureTables(family);
}

bool IsPrepared(int game) {
    return detail::TablesIfReady(GameInfoFor(game).family) != nullptr;
}

} // namespace quintaro::exact
