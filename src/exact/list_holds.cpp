#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "exact/engine.h"
#include "strategy/classifier.h"

namespace quintaro::exact::detail {

namespace {

// The 24 renamings of the four suits.
std::array<std::array<int, 4>, 24> SuitRenamings() {
    std::array<std::array<int, 4>, 24> all{};
    std::array<int, 4> p{0, 1, 2, 3};
    int n = 0;
    do all[n++] = p;
    while (std::next_permutation(p.begin(), p.end()));
    return all;
}

} // namespace

void CountListHolds(int game, int choice, const DealClass& d, HandAnalysis& a, Recommendation& r,
                    std::array<std::uint8_t, kHoldCount>& counts) {
    static const std::array<std::array<int, 4>, 24> kRenamings = SuitRenamings();
    counts = {};
    std::array<std::uint64_t, 24> seen{};
    int seenCount = 0;
    for (const auto& rename : kRenamings) {
        // The deal with suit s renamed rename[s]; its masks per suit name it.
        std::array<std::uint64_t, 4> masks{};
        for (int k = 0; k < 5; ++k)
            masks[rename[d.cards[k] & 3]] |= std::uint64_t{1} << (d.cards[k] >> 2);
        const std::uint64_t key = masks[0] | masks[1] << 13 | masks[2] << 26 | masks[3] << 39;
        if (std::find(seen.begin(), seen.begin() + seenCount, key) != seen.begin() + seenCount)
            continue;
        seen[seenCount++] = key;
        std::array<std::pair<Card, int>, 5> dealt{}; // game card, bit in the class's order
        for (int k = 0; k < 5; ++k)
            dealt[k] = {ToGame((d.cards[k] & ~3) | rename[d.cards[k] & 3]), 1 << k};
        std::sort(dealt.begin(), dealt.end());
        std::array<Card, 5> cards{};
        for (int k = 0; k < 5; ++k) cards[k] = dealt[k].first;
        AdviseHand(game, choice, cards, a, r);
        int subset = 0;
        for (int k = 0; k < 5; ++k)
            if (r.hold[k]) subset |= dealt[k].second;
        ++counts[subset];
    }
}

ListHolds ClassifyEveryDeal(int game, int choice, int threads) {
    const std::vector<DealClass>& classes = DealClasses();
    const int count = static_cast<int>(classes.size());
    std::vector<std::array<std::uint8_t, kHoldCount>> counts(static_cast<std::size_t>(count));
    constexpr int kBlock = 2048;
    const int blocks = (count + kBlock - 1) / kBlock;
    std::atomic<int> next{0};
    auto work = [&] {
        HandAnalysis a;
        Recommendation r;
        for (int b; (b = next.fetch_add(1)) < blocks;)
            for (int i = b * kBlock; i < std::min(count, (b + 1) * kBlock); ++i)
                CountListHolds(game, choice, classes[i], a, r, counts[i]);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t) pool.emplace_back(work);
    work();
    for (auto& th : pool) th.join();

    ListHolds holds;
    holds.uniform.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const auto& c = counts[i];
        const auto first = std::find_if(c.begin(), c.end(), [](std::uint8_t n) { return n != 0; });
        if (*first == classes[i].weight) {
            holds.uniform[i] = static_cast<std::uint8_t>(first - c.begin());
        } else {
            holds.uniform[i] = ListHolds::kMixed;
            holds.mixed.emplace(i, c);
        }
    }
    return holds;
}

namespace {

struct ListHoldsCache {
    std::mutex m;
    std::array<std::shared_ptr<const ListHolds>, kGameCount * 2> holds;
};
ListHoldsCache& Cache() {
    static ListHoldsCache cache;
    return cache;
}

} // namespace

std::shared_ptr<const ListHolds> ListHoldsFor(int game, int choice, int threads) {
    ListHoldsCache& cache = Cache();
    const std::size_t at = static_cast<std::size_t>(game * 2 + choice);
    {
        std::lock_guard lock(cache.m);
        if (cache.holds[at]) return cache.holds[at];
    }
    // Two callers may both classify; the first result is kept.
    auto made = std::make_shared<const ListHolds>(ClassifyEveryDeal(game, choice, threads));
    std::lock_guard lock(cache.m);
    if (!cache.holds[at]) cache.holds[at] = std::move(made);
    return cache.holds[at];
}

void DropListHolds() {
    ListHoldsCache& cache = Cache();
    std::lock_guard lock(cache.m);
    for (auto& h : cache.holds) h.reset();
}

} // namespace quintaro::exact::detail
