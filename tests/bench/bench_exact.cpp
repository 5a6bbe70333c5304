// The exact engine's speed: a pay table's return from nothing (every table
// built inside the timing), one hand's 32 holds with and without tables, the
// building of one family's tables and their memory.
//
//   build/tests/bench/bench_exact
//
// Read real_time for the returns (they may use two threads; cpu_time there is
// the whole process's). cold_ms of FirstHandCold is the very first analysis
// in the process, with the family's small tables made inside it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <vector>

#include "exact/engine.h"
#include "exact/exact_analysis.h"
#include "generate/list_return.h"

namespace {

using namespace quintaro;
using namespace quintaro::exact;

std::vector<std::array<Card, 5>> RandomHands(int n) {
    std::mt19937 rng(11);
    std::array<Card, 52> deck{};
    std::iota(deck.begin(), deck.end(), 0);
    std::vector<std::array<Card, 5>> hands;
    for (int i = 0; i < n; ++i) {
        std::shuffle(deck.begin(), deck.end(), rng);
        hands.push_back({deck[0], deck[1], deck[2], deck[3], deck[4]});
    }
    return hands;
}

// Must run first: nothing of Deuces Wild exists yet.
void BM_FirstHandCold(benchmark::State& state) {
    const auto hands = RandomHands(1);
    double ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(AnalyseHolds(kDeucesWild, 0, 5, hands[0]));
        ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                 .count();
    }
    state.counters["cold_ms"] = ms;
}
BENCHMARK(BM_FirstHandCold)->Iterations(1)->Unit(benchmark::kMillisecond);

// One hand without tables, the family's small tables made.
void BM_HandWithoutTables(benchmark::State& state) {
    const auto hands = RandomHands(64);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(exact::detail::AnalyseHoldsVia(
            kDeucesWild, BuiltInSchedule(kDeucesWild, 0), 5, hands[i++ % hands.size()], false));
}
BENCHMARK(BM_HandWithoutTables)->Unit(benchmark::kMillisecond);

// One hand's 32 holds with the tables built, over many different hands.
void BM_HandWithTables(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
    Prepare(game);
    const auto hands = RandomHands(4096);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(AnalyseHolds(game, 0, 5, hands[i++ & 4095]));
}
BENCHMARK(BM_HandWithTables)->Arg(kJacksOrBetter)->Arg(kDeucesWild)->Unit(benchmark::kMicrosecond);

// One family's count tables (on one or two threads); MB is their memory.
void BM_BuildTables(benchmark::State& state) {
    const auto family = static_cast<EvaluationFamily>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    exact::detail::LookupFor(family);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = exact::detail::BuildCountTables(family, threads)->Bytes();
    state.counters["MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_BuildTables)
    ->ArgsProduct({{0, 1, 2, 3, 4, 5}, {1}})
    ->Args({0, 2})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// On one and on two threads: wall time, and the CPU time of the whole process.
void OnOneAndTwoThreads(benchmark::internal::Benchmark* b) {
    b->Arg(1)->Arg(2)->UseRealTime()->MeasureProcessCPUTime()->Unit(benchmark::kMillisecond);
}

// The optimal return of Jacks or Better 9/6 at five coins, from nothing.
void BM_OptimalReturnFromNothing(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        exact::detail::DropTables();
        benchmark::DoNotOptimize(ComputeOptimalReturn(kJacksOrBetter, 1, 5, threads));
    }
}
BENCHMARK(BM_OptimalReturnFromNothing)->Apply(OnOneAndTwoThreads);

// Both returns (the list asked about every one of the 2,598,960 deals).
void BM_BothReturnsFromNothing(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        exact::detail::DropTables();
        benchmark::DoNotOptimize(ListReturn(kJacksOrBetter, 1, 5, threads));
    }
}
BENCHMARK(BM_BothReturnsFromNothing)->Apply(OnOneAndTwoThreads);

// Both returns at another bet, the tables kept.
void BM_BothReturnsTablesKept(benchmark::State& state) {
    ListReturn(kJacksOrBetter, 1, 5, 1);
    for (auto _ : state) benchmark::DoNotOptimize(ListReturn(kJacksOrBetter, 1, 1, 1));
}
BENCHMARK(BM_BothReturnsTablesKept)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
