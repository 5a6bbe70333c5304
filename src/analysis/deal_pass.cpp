// The pass over the suit classes of the deals: per class the hold played and
// how its draws fall into the categories, weighted by the deals the class
// stands for.

#include <algorithm>
#include <atomic>
#include <bit>
#include <cmath>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "analysis/pay_analysis.h"
#include "exact/engine.h"
#include "generate/generated_list.h"
#include "generate/list_return.h"
#include "strategy/strategy_list.h"

namespace quintaro::analysis {

using namespace exact::detail;

std::shared_ptr<const ClassPlay> ListInForce(const TableInForce& table, int threads) {
    threads = std::max(1, threads);
    static std::mutex guard;
    const std::lock_guard lock(guard);
    // A row of one's own plays the list generated for it; the last few are kept.
    if (table.choice < 0) {
        static std::vector<std::pair<TableInForce, std::shared_ptr<const ClassPlay>>> recent;
        for (const auto& [t, play] : recent)
            if (t.game == table.game && t.pays == table.pays) return play;
        const GeneratedList list = GenerateStrategyList(table.game, table.pays, threads);
        auto play = std::make_shared<ClassPlay>();
        play->hold = exact::ClassHolds(
            [&](const std::array<Card, 5>& cards) { return GeneratedHold(list, cards); }, threads);
        if (recent.size() >= 4) recent.erase(recent.begin());
        recent.emplace_back(table, play);
        return play;
    }
    // A built-in list's holds depend on the game and the list only.
    static std::array<std::shared_ptr<const ClassPlay>, kStrategyListCount> made;
    const std::size_t slot = static_cast<std::size_t>(table.game * 2 + (table.choice ? 1 : 0));
    if (!made[slot]) {
        auto play = std::make_shared<ClassPlay>();
        play->hold = exact::ClassHolds(
            [&](const std::array<Card, 5>& cards) {
                return ListHold(table.game, table.choice, cards);
            },
            threads);
        made[slot] = std::move(play);
    }
    return made[slot];
}

namespace {

using Counts = std::array<std::int32_t, kLanes>;

// The size of every subset of five cards, and the draws of a hold of that size.
struct SubsetSizes {
    std::array<int, exact::kHoldCount> size{};
    std::array<std::int64_t, exact::kHoldCount> draws{};
    std::array<double, exact::kHoldCount> perDraw{};
    SubsetSizes() {
        for (int s = 0; s < exact::kHoldCount; ++s) {
            size[s] = s ? size[s & (s - 1)] + 1 : 0;
            draws[s] = DrawsFor(size[s]);
            perDraw[s] = 1.0 / static_cast<double>(draws[s]);
        }
    }
};
const SubsetSizes kSizes;

template <class T> void AddRow(Counts& out, const T* row, std::int32_t sign) {
    for (int k = 0; k < kLanes; ++k) out[k] += sign * static_cast<std::int32_t>(row[k]);
}

// A class's cards: the colex index of each subset and the category of the
// dealt hand, so that the draws of any hold can be counted by category.
struct ClassHand {
    std::array<std::int32_t, exact::kHoldCount> index{};
    int dealt = 0;

    ClassHand(const int* sorted, const CategoryLookup& lookup) {
        for (int s = 1; s < exact::kHoldCount; ++s) {
            const int top = 31 - std::countl_zero(static_cast<unsigned>(s));
            const int rest = s ^ (1 << top);
            index[s] = index[rest] + Choose(sorted[top], kSizes.size[rest] + 1);
        }
        dealt = lookup.OfSorted(sorted);
    }

    // The totals in credits of every hold over its draws, from the priced
    // tables (as the engine's TotalsPriced, with the indices made once).
    void Totals(const PricedTables& t, const PriceRow& prices, SubsetTotals& out) const {
        out[0] = t.p0;
        for (int s = 1; s < exact::kHoldCount - 1; ++s) {
            const std::size_t at = static_cast<std::size_t>(index[s]);
            switch (kSizes.size[s]) {
            case 1:
                out[s] = t.p1[at];
                break;
            case 2:
                out[s] = t.p2[at];
                break;
            case 3:
                out[s] = t.p3[at];
                break;
            default:
                out[s] = t.p4[at];
                break;
            }
        }
        out[exact::kHoldCount - 1] = prices[dealt];
        // Less the draws that bring back a discarded card.
        for (int b = 0; b < 5; ++b)
            for (int s = 0; s < exact::kHoldCount; ++s)
                if (!(s >> b & 1)) out[s] -= out[s | 1 << b];
    }

    // The draws of hold s by category: the final hands that contain s less,
    // by inclusion and exclusion, those that contain a discarded card.
    void CountHold(const CountTables& t, int s, Counts& out) const {
        out = {};
        const int rest = 31 & ~s;
        for (int u = rest;; u = (u - 1) & rest) {
            const int set = s | u;
            const std::int32_t sign = (kSizes.size[u] & 1) ? -1 : 1;
            const std::size_t at = static_cast<std::size_t>(index[set]) * kLanes;
            switch (kSizes.size[set]) {
            case 0:
                AddRow(out, t.n0.data(), sign);
                break;
            case 1:
                AddRow(out, &t.n1[at], sign);
                break;
            case 2:
                AddRow(out, &t.n2[at], sign);
                break;
            case 3:
                AddRow(out, &t.n3[at], sign);
                break;
            case 4:
                AddRow(out, &t.n4[at], sign);
                break;
            default:
                out[dealt] += sign;
                break;
            }
            if (u == 0) break;
        }
    }
};

// The draws of a hold by distinct payout, the key of a kind of deal.
struct KindHash {
    std::size_t operator()(const Counts& c) const {
        std::uint64_t h = 1469598103934665603ull;
        for (std::int32_t v : c) h = (h ^ static_cast<std::uint32_t>(v)) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};
using KindMap = std::unordered_map<Counts, double, KindHash>;

// The distinct payouts of a game's categories in bets, and each category's.
struct PayIndex {
    std::vector<std::int64_t> pays;
    std::array<int, kLanes> of{};
    PayIndex(int n, const PriceRow& bets) {
        for (int k = 0; k < n; ++k) pays.push_back(bets[k]);
        std::sort(pays.begin(), pays.end());
        pays.erase(std::unique(pays.begin(), pays.end()), pays.end());
        for (int k = 0; k < n; ++k)
            of[k] = static_cast<int>(std::lower_bound(pays.begin(), pays.end(), bets[k]) -
                                     pays.begin());
    }
};

// Sums over the deals of one way of playing.
struct Sums {
    std::array<double, kLanes> mass{}; // deals times the probability of each category
    double value = 0;                  // deals times the hold's value in bets
    double valueSquared = 0;
    KindMap kinds; // the deals of each kind

    void Add(double deals, const Counts& counts, int hold, const PriceRow& bets,
             const PayIndex& index, int n) {
        const double perDraw = deals * kSizes.perDraw[hold];
        std::int64_t total = 0;
        Counts kind{};
        for (int k = 0; k < kLanes; ++k) {
            mass[k] += perDraw * counts[k];
            total += static_cast<std::int64_t>(counts[k]) * bets[k];
        }
        for (int k = 0; k < n; ++k) kind[static_cast<std::size_t>(index.of[k])] += counts[k];
        kinds[kind] += deals;
        const double v = static_cast<double>(total) * kSizes.perDraw[hold];
        value += deals * v;
        valueSquared += deals * v * v;
    }
    void Merge(const Sums& o) {
        for (int k = 0; k < kLanes; ++k) mass[k] += o.mass[k];
        value += o.value;
        valueSquared += o.valueSquared;
        for (const auto& [kind, deals] : o.kinds) kinds[kind] += deals;
    }
};

// The kinds in a fixed order, so that the figures do not depend on the threads.
std::shared_ptr<const DealKinds> KindsOf(const KindMap& kinds, const PayIndex& index) {
    std::vector<std::pair<Counts, double>> sorted(kinds.begin(), kinds.end());
    std::sort(sorted.begin(), sorted.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    auto out = std::make_shared<DealKinds>();
    out->pays = index.pays;
    const std::size_t n = index.pays.size();
    for (const auto& [kind, deals] : sorted) {
        std::int64_t draws = 0;
        for (std::size_t k = 0; k < n; ++k) draws += kind[k];
        out->weight.push_back(deals / kDealCount);
        for (std::size_t k = 0; k < n; ++k)
            out->chance.push_back(static_cast<double>(kind[k]) / static_cast<double>(draws));
    }
    return out;
}

PlayFigures FiguresOf(const Sums& sums, int game, const PriceRow& bets, const PayIndex& index) {
    const int n = CategoryCount(GameInfoFor(game).family);
    PlayFigures f;
    f.deals = KindsOf(sums.kinds, index);
    double second = 0;
    for (int k = n - 1; k >= 0; --k) {
        CategoryFigures c;
        c.category = k;
        c.pays = bets[k];
        c.probability = sums.mass[k] / kDealCount;
        c.cycle = c.probability > 0 ? 1 / c.probability : 0;
        c.contribution = c.probability * c.pays;
        f.payback += c.contribution;
        second += c.contribution * c.pays;
        if (c.pays > 0) f.hitFrequency += c.probability;
        f.categories.push_back(c);
    }
    f.variance = std::max(0.0, second - f.payback * f.payback);
    f.deviation = std::sqrt(f.variance);
    const double mean = sums.value / kDealCount;
    f.dealVariance = std::max(0.0, sums.valueSquared / kDealCount - mean * mean);
    return f;
}

} // namespace

TableFigures AnalyseTable(const TableInForce& table, int threads) {
    threads = std::max(1, threads);
    const EvaluationFamily family = GameInfoFor(table.game).family;
    const std::shared_ptr<const ClassPlay> list = ListInForce(table, threads);
    const CountTables& tables = EnsureTables(family, threads);
    const CategoryLookup& lookup = LookupFor(family);
    const PriceRow prices = PricesFor(table.game, table.pays, table.coins);
    PriceRow bets{};
    for (int k = 0; k < kLanes; ++k) bets[k] = prices[k] / table.coins;
    const int n = CategoryCount(family);
    const PayIndex index(n, bets);

    PricedTables priced = PricedTablesShape();
    {
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t)
            pool.emplace_back([&, t] { PriceTables(tables, prices, t, threads, priced); });
        PriceTables(tables, prices, 0, threads, priced);
        for (auto& th : pool) th.join();
    }

    const std::vector<DealClass>& classes = DealClasses();
    const int count = static_cast<int>(classes.size());
    constexpr int kBlock = 2048;
    const int blocks = (count + kBlock - 1) / kBlock;
    std::atomic<int> next{0};
    struct Partial {
        Sums perfect, list;
    };
    std::vector<Partial> partials(static_cast<std::size_t>(threads));
    auto work = [&](Partial& out) {
        SubsetTotals totals;
        Counts counts{}, best{};
        for (int b; (b = next.fetch_add(1)) < blocks;) {
            for (int i = b * kBlock; i < std::min(count, (b + 1) * kBlock); ++i) {
                const DealClass& d = classes[i];
                const int sorted[5] = {d.cards[0], d.cards[1], d.cards[2], d.cards[3], d.cards[4]};
                const ClassHand hand(sorted, lookup);
                hand.Totals(priced, prices, totals);
                // Values in credits for the coins bet.
                std::array<double, exact::kHoldCount> value{};
                double top = 0;
                for (int s = 0; s < exact::kHoldCount; ++s) {
                    value[s] = static_cast<double>(totals[s]) * kSizes.perDraw[s];
                    top = std::max(top, value[s]);
                }
                // Of the best holds, the one with the smallest second moment.
                const double tie = exact::kTieTolerance * table.coins;
                int chosen = -1;
                double chosenSecond = 0;
                for (int s = 0; s < exact::kHoldCount; ++s) {
                    if (top - value[s] > tie) continue;
                    hand.CountHold(tables, s, counts);
                    std::int64_t sum = 0;
                    for (int k = 0; k < kLanes; ++k)
                        sum += static_cast<std::int64_t>(counts[k]) * bets[k] * bets[k];
                    const double second = static_cast<double>(sum) * kSizes.perDraw[s];
                    if (chosen < 0 || second < chosenSecond) {
                        chosen = s;
                        chosenSecond = second;
                        best = counts;
                    }
                }
                out.perfect.Add(d.weight, best, chosen, bets, index, n);
                if (!list) continue;
                const int hold = list->hold[i];
                if (hold == chosen) {
                    out.list.Add(d.weight, best, hold, bets, index, n);
                } else {
                    hand.CountHold(tables, hold, counts);
                    out.list.Add(d.weight, counts, hold, bets, index, n);
                }
            }
        }
    };
    {
        std::vector<std::thread> pool;
        for (int t = 1; t < threads; ++t) pool.emplace_back(work, std::ref(partials[t]));
        work(partials[0]);
        for (auto& th : pool) th.join();
    }
    Partial all;
    for (const Partial& p : partials) {
        all.perfect.Merge(p.perfect);
        all.list.Merge(p.list);
    }
    TableFigures figures;
    figures.perfect = FiguresOf(all.perfect, table.game, bets, index);
    if (list) figures.list = FiguresOf(all.list, table.game, bets, index);
    return figures;
}

std::vector<Outcome> OutcomesOf(const PlayFigures& play) {
    std::vector<Outcome> out;
    for (const CategoryFigures& c : play.categories) {
        if (c.probability <= 0) continue;
        auto at = std::find_if(out.begin(), out.end(),
                               [&](const Outcome& o) { return o.pays == c.pays; });
        if (at == out.end())
            out.push_back({c.pays, c.probability});
        else
            at->probability += c.probability;
    }
    std::sort(out.begin(), out.end(),
              [](const Outcome& a, const Outcome& b) { return a.pays < b.pays; });
    return out;
}

} // namespace quintaro::analysis
