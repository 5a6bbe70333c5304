// Evaluates all 2,598,960 hands of each evaluation family; the figure to read is
// the time per hand (items_per_second inverted).
#include <benchmark/benchmark.h>

#include <vector>

#include "core/evaluation.h"

namespace {

using namespace quintaro;

const std::vector<std::array<Card, 5>>& AllHands() {
    static const std::vector<std::array<Card, 5>> hands = [] {
        std::vector<std::array<Card, 5>> v;
        v.reserve(2'598'960);
        std::array<Card, 5> c{};
        for (c[0] = 0; c[0] < 48; ++c[0])
            for (c[1] = c[0] + 1; c[1] < 49; ++c[1])
                for (c[2] = c[1] + 1; c[2] < 50; ++c[2])
                    for (c[3] = c[2] + 1; c[3] < 51; ++c[3])
                        for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) v.push_back(c);
        return v;
    }();
    return hands;
}

void EvaluateAll(benchmark::State& state) {
    const auto family = static_cast<EvaluationFamily>(state.range(0));
    const auto& hands = AllHands();
    HandAnalysis a;
    for (auto _ : state) {
        long sum = 0;
        for (const auto& h : hands) sum += EvaluateCards(family, h, a);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(hands.size()));
}

} // namespace

BENCHMARK(EvaluateAll)->ArgName("family")->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
