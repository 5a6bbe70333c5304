// Evaluates all 2,598,960 hands of each evaluation family; the figure to read is
// the time per hand (items_per_second inverted).
#include <benchmark/benchmark.h>

#include <vector>

#include "../every_hand.h"
#include "core/evaluation.h"

namespace {

using namespace quintaro;

const std::vector<std::array<Card, 5>>& AllHands() {
    static const std::vector<std::array<Card, 5>> hands = [] {
        std::vector<std::array<Card, 5>> v;
        v.reserve(2'598'960);
        ForEveryHand([&v](const std::array<Card, 5>& c) { v.push_back(c); });
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
