// The pay table figures' speed on one thread: every figure of a table from
// nothing (the engine's tables built inside the timing), the same with the
// tables and the list's holds kept, the exact chain of a long session and the
// lifetime exponent of several lines.
//
//   build/tests/bench/bench_analysis
#include <benchmark/benchmark.h>

#include "analysis/pay_analysis.h"
#include "exact/engine.h"
#include "generate/list_return.h"

namespace {

using namespace quintaro;
using namespace quintaro::analysis;

// A row of one's own, perfect play and the list generated for it; the list is
// made once before the timing (it is kept), so that every run times the same.
void BM_FiguresFromNothing(benchmark::State& state) {
    std::string error;
    const TableInForce table{kJacksOrBetter, -1,
                             *ParseFiveCoinPays(kJacksOrBetter, "1,2,3,4,6,9,25,50,800", error), 5};
    AnalyseTable(table, 2);
    for (auto _ : state) {
        state.PauseTiming();
        exact::detail::DropTables();
        state.ResumeTiming();
        benchmark::DoNotOptimize(AnalyseTable(table, 1));
    }
}
BENCHMARK(BM_FiguresFromNothing)->Unit(benchmark::kMillisecond);

// A built-in table, perfect play and the list, once the list's holds are known.
void BM_FiguresWithList(benchmark::State& state) {
    const TableInForce table{kJacksOrBetter, 1, BuiltInSchedule(kJacksOrBetter, 1), 5};
    AnalyseTable(table, 2);
    for (auto _ : state) benchmark::DoNotOptimize(AnalyseTable(table, 1));
}
BENCHMARK(BM_FiguresWithList)->Unit(benchmark::kMillisecond);

// The list's holds of every deal, classified from nothing on one thread.
void BM_ListHoldsFromNothing(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        exact::detail::DropTables();
        state.ResumeTiming();
        benchmark::DoNotOptimize(exact::ClassHolds(
            [](const std::array<Card, 5>& cards) { return ListHold(kJacksOrBetter, 1, cards); },
            1));
    }
}
BENCHMARK(BM_ListHoldsFromNothing)->Unit(benchmark::kMillisecond);

// 10,000 hands from 4,000 credits at one coin (4,000 bets) and at five (800).
void BM_SessionRuin(benchmark::State& state) {
    const int coins = static_cast<int>(state.range(0));
    const TableInForce table{kJacksOrBetter, 1, BuiltInSchedule(kJacksOrBetter, 1), coins};
    const PlayFigures play = AnalyseTable(table, 2).perfect;
    for (auto _ : state)
        benchmark::DoNotOptimize(SessionSpread(play, 1, 4000 / coins, 10'000, 100));
}
BENCHMARK(BM_SessionRuin)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond);

// The exact lifetime exponent of several lines with 1 % cashback: a root over
// every kind of deal.
void BM_LifetimeLines(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const TableInForce table{kJacksOrBetter, 1, BuiltInSchedule(kJacksOrBetter, 1), 5};
    const PlayFigures play = AnalyseTable(table, 2).perfect;
    for (auto _ : state) benchmark::DoNotOptimize(LifetimeExponent(play, 0.01, lines));
    state.counters["kinds"] = static_cast<double>(play.deals->weight.size());
}
BENCHMARK(BM_LifetimeLines)->Arg(1)->Arg(3)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
