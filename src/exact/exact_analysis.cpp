#include "exact/exact_analysis.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <thread>
#include <vector>

#include "core/hand_analysis.h"
#include "exact/engine.h"

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

int ThreadsFor(int threads) {
    return threads > 0 ? threads
                       : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

// Runs work(worker) on workers 0..threads-1, worker 0 on this thread.
template <class Work> void OnThreads(int threads, const Work& work) {
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work, t);
    work(0);
    for (auto& th : pool) th.join();
}

constexpr int kBlock = 2048;

} // namespace

namespace detail {

void VisitClassTotals(int game, const PaySchedule& pays, int coins, int threads,
                      const ClassVisitor& visit) {
    const EvaluationFamily family = GameInfoFor(game).family;
    threads = ThreadsFor(threads);
    const std::vector<DealClass>& classes = DealClasses();
    const int count = static_cast<int>(classes.size());
    const int blocks = (count + kBlock - 1) / kBlock;
    const CountTables& tables = EnsureTables(family, threads);
    const PriceRow prices = PricesFor(game, pays, coins);
    const CategoryLookup& lookup = LookupFor(family);
    PricedTables priced = PricedTablesShape();
    OnThreads(threads, [&](int part) { PriceTables(tables, prices, part, threads, priced); });
    std::atomic<int> next{0};
    OnThreads(threads, [&](int worker) {
        SubsetTotals totals;
        for (int b; (b = next.fetch_add(1)) < blocks;)
            for (int i = b * kBlock; i < std::min(count, (b + 1) * kBlock); ++i) {
                const DealClass& d = classes[static_cast<std::size_t>(i)];
                const int sorted[5] = {d.cards[0], d.cards[1], d.cards[2], d.cards[3], d.cards[4]};
                TotalsPriced(priced, lookup, sorted, prices, totals);
                visit(worker, i, totals);
            }
    });
}

} // namespace detail

int ClassCount() {
    return static_cast<int>(detail::DealClasses().size());
}

std::array<Card, 5> ClassCards(int classIndex) {
    const detail::DealClass& d = detail::DealClasses()[static_cast<std::size_t>(classIndex)];
    std::array<Card, 5> cards{};
    for (int k = 0; k < 5; ++k) cards[k] = detail::ToGame(d.cards[k]);
    return cards;
}

std::vector<HoldMask> ClassHolds(const HoldChooser& strategy, int threads) {
    threads = ThreadsFor(threads);
    const int count = ClassCount();
    std::vector<HoldMask> holds(static_cast<std::size_t>(count));
    const int blocks = (count + kBlock - 1) / kBlock;
    std::atomic<int> next{0};
    OnThreads(threads, [&](int) {
        for (int b; (b = next.fetch_add(1)) < blocks;)
            for (int i = b * kBlock; i < std::min(count, (b + 1) * kBlock); ++i)
                holds[static_cast<std::size_t>(i)] = strategy(ClassCards(i));
    });
    return holds;
}

namespace {

PayTableReturn Returns(int game, const PaySchedule& pays, int coins, int threads,
                       const std::vector<HoldMask>* classHolds) {
    using namespace detail;
    threads = ThreadsFor(threads);
    const std::vector<DealClass>& classes = DealClasses();
    std::array<double, kHoldCount> perDraw{};
    for (int s = 0; s < kHoldCount; ++s)
        perDraw[s] = 1.0 / static_cast<double>(DrawsFor(std::popcount(static_cast<unsigned>(s))));
    // Sums per block of classes, added in block order, so that the figures do
    // not depend on the number of threads.
    const int blocks = (static_cast<int>(classes.size()) + kBlock - 1) / kBlock;
    std::vector<double> optimal(static_cast<std::size_t>(blocks));
    std::vector<double> strategy(static_cast<std::size_t>(blocks));
    VisitClassTotals(game, pays, coins, threads, [&](int, int i, const SubsetTotals& totals) {
        const DealClass& d = classes[static_cast<std::size_t>(i)];
        double best = 0;
        for (int s = 0; s < kHoldCount; ++s)
            best = std::max(best, static_cast<double>(totals[s]) * perDraw[s]);
        optimal[static_cast<std::size_t>(i / kBlock)] += d.weight * best;
        if (!classHolds) return;
        const int hold = (*classHolds)[static_cast<std::size_t>(i)];
        strategy[static_cast<std::size_t>(i / kBlock)] +=
            d.weight * static_cast<double>(totals[hold]) * perDraw[hold];
    });
    PayTableReturn r;
    for (int b = 0; b < blocks; ++b) {
        r.optimal += optimal[static_cast<std::size_t>(b)];
        r.strategy += strategy[static_cast<std::size_t>(b)];
    }
    const double scale = 1.0 / kDealCount / coins;
    r.optimal *= scale;
    r.strategy *= scale;
    return r;
}

} // namespace

PayTableReturn ComputeReturn(int game, const PaySchedule& pays, int coins,
                             const HoldChooser& strategy, int threads) {
    threads = ThreadsFor(threads);
    std::vector<HoldMask> holds;
    if (threads > 1) {
        // The classes are classified while the tables are built.
        std::thread builder([&] { detail::EnsureTables(GameInfoFor(game).family); });
        holds = ClassHolds(strategy, threads);
        builder.join();
    } else {
        holds = ClassHolds(strategy, 1);
    }
    return Returns(game, pays, coins, threads, &holds);
}

PayTableReturn ComputeReturn(int game, const PaySchedule& pays, int coins,
                             const std::vector<HoldMask>& classHolds, int threads) {
    return Returns(game, pays, coins, threads, &classHolds);
}

double ComputeOptimalReturn(int game, int choice, int coins, int threads) {
    return ComputeOptimalReturn(game, BuiltInSchedule(game, choice), coins, threads);
}

double ComputeOptimalReturn(int game, const PaySchedule& pays, int coins, int threads) {
    return Returns(game, pays, coins, threads, nullptr).optimal;
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
