// Generating a pay table's strategy list from nothing: the count tables, the
// values of every class of deals, the search and both returns, every table
// built inside the timing.
//
//   build/tests/bench/bench_generate

#include <benchmark/benchmark.h>

#include "core/pay_table.h"
#include "exact/engine.h"
#include "generate/generated_list.h"
#include "generate/list_return.h"

namespace {

using namespace quintaro;

void BM_GenerateFromNothing(benchmark::State& state) {
    const int threads = static_cast<int>(state.range(0));
    const int game = static_cast<int>(state.range(1));
    for (auto _ : state) {
        exact::detail::DropTables();
        benchmark::DoNotOptimize(GenerateStrategyList(game, BuiltInSchedule(game, 0), threads));
    }
}
BENCHMARK(BM_GenerateFromNothing)
    ->ArgsProduct({{1, 2}, {kJacksOrBetter, kDeucesWild, kDoubleDoubleBonus}})
    ->ArgNames({"threads", "game"})
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
