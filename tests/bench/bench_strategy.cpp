// Analyses and classifies all 2,598,960 hands against each of the eighteen
// strategy lists, in enumeration order and shuffled. The figure to read is
// ns_per_hand (CPU time); "allocations" counts the calls of operator new
// inside the timed loop and must stay 0.
//
//   build/tests/bench/bench_strategy
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

#include "../every_hand.h"
#include "core/game_variant.h"
#include "strategy/classifier.h"

namespace {
std::atomic<long> gAllocations{0};
} // namespace

// Counting replacements of the global allocation functions. They pair malloc
// with free themselves, which the compiler cannot see across the replacement.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void* operator new[](std::size_t n) {
    return operator new(n);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using namespace quintaro;

// All hands, in enumeration order (each hand differs from the one before in
// few cards) or shuffled (a fixed random order of the hands, and of the cards
// within each hand, like real deals, which the branch predictors cannot learn).
const std::vector<std::array<Card, 5>>& AllHands(bool shuffled) {
    static const std::vector<std::array<Card, 5>> ordered = [] {
        std::vector<std::array<Card, 5>> v;
        v.reserve(2'598'960);
        ForEveryHand([&v](const std::array<Card, 5>& c) { v.push_back(c); });
        return v;
    }();
    if (!shuffled) return ordered;
    static const std::vector<std::array<Card, 5>> mixed = [] {
        std::vector<std::array<Card, 5>> v = ordered;
        std::mt19937 rng(12345);
        for (auto& h : v) std::shuffle(h.begin(), h.end(), rng);
        std::shuffle(v.begin(), v.end(), rng);
        return v;
    }();
    return mixed;
}

void AdviseAll(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
    const int choice = static_cast<int>(state.range(1));
    const auto& hands = AllHands(state.range(2) != 0);
    const Classifier classify = ClassifierFor(game);
    HandAnalysis a;
    Recommendation r;
    long allocations = 0;
    for (auto _ : state) {
        const long before = gAllocations.load(std::memory_order_relaxed);
        long sum = 0;
        for (const auto& h : hands) {
            AnalyseForGame(game, h, a);
            classify(a, choice, r);
            sum += r.strategyIndex + r.hold[0];
        }
        benchmark::DoNotOptimize(sum);
        allocations += gAllocations.load(std::memory_order_relaxed) - before;
    }
    const double perHand = static_cast<double>(hands.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(hands.size()));
    state.counters["ns_per_hand"] =
        benchmark::Counter(perHand * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocations"] = static_cast<double>(allocations);
}

// The analysis alone, natural (0) and deuce-aware (3), for comparison.
void AnalyseAll(benchmark::State& state) {
    const int game = static_cast<int>(state.range(0));
    const auto& hands = AllHands(state.range(1) != 0);
    HandAnalysis a;
    for (auto _ : state) {
        long sum = 0;
        for (const auto& h : hands) {
            AnalyseForGame(game, h, a);
            sum += a.groupPattern;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["ns_per_hand"] = benchmark::Counter(
        static_cast<double>(hands.size()) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(AnalyseAll)
    ->ArgNames({"game", "shuffled"})
    ->ArgsProduct({{0, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void ListArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"game", "table", "shuffled"});
    for (int shuffled = 0; shuffled < 2; ++shuffled)
        for (int game = 0; game < kGameCount; ++game)
            for (int choice = 0; choice < 2; ++choice) b->Args({game, choice, shuffled});
}

BENCHMARK(AdviseAll)->Apply(ListArgs)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
