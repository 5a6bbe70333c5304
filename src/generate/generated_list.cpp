#include "generate/generated_list.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "core/game_variant.h"
#include "exact/engine.h"
#include "exact/exact_analysis.h"
#include "generate/hold_patterns.h"
#include "strategy/classifier.h"

namespace quintaro {

using generate::PatternKey;

GeneratedList::GeneratedList(const GeneratedList& other)
    : game(other.game), coins(other.coins), pays(other.pays), list(other.list), slots(other.slots),
      names(other.names), positionOfPattern(other.positionOfPattern),
      orderOfPattern(other.orderOfPattern), optimalReturn(other.optimalReturn),
      listReturn(other.listReturn) {
    Relink();
}

GeneratedList& GeneratedList::operator=(const GeneratedList& other) {
    if (this != &other) {
        GeneratedList copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void GeneratedList::Relink() {
    for (std::size_t i = 0; i < slots.size() && i < names.size(); ++i)
        slots[i].name = names[i].c_str();
    list.slots = slots.data();
}

namespace {

// The deals' choices as the search sees them: per class of deals its weight,
// the value of its best hold and, per pattern the class has, the value of the
// pattern's hold. Patterns are numbered densely in the pool.
struct Problem {
    std::vector<float> weight;
    std::vector<std::uint32_t> begin; // class i's candidates: [begin[i], begin[i + 1])
    std::vector<std::uint16_t> pattern;
    std::vector<float> value;
    std::vector<std::uint8_t> mask; // the hold, in the class's card order
    std::vector<PatternKey> keyOf;  // dense pattern -> key
    int redraw = 0;                 // dense number of "Redraw"
    // Per pattern, the classes that have it and the candidate's index.
    std::vector<std::vector<std::uint32_t>> where;
};

constexpr int kUnlisted = 1 << 20;

// The order being searched: position of every pattern, kUnlisted if left out.
class Order {
public:
    explicit Order(const Problem& p) : p_(p), pos_(p.keyOf.size(), kUnlisted) {}

    void Set(const std::vector<int>& order) {
        order_ = order;
        std::fill(pos_.begin(), pos_.end(), kUnlisted);
        for (std::size_t i = 0; i < order_.size(); ++i)
            pos_[static_cast<std::size_t>(order_[i])] = static_cast<int>(i);
    }
    const std::vector<int>& Patterns() const { return order_; }
    int Pos(int pattern) const { return pos_[static_cast<std::size_t>(pattern)]; }

    // The candidate the class picks, skipping one pattern (-1: none).
    std::uint32_t Pick(std::size_t c, int skip = -1) const {
        std::uint32_t best = 0;
        int bestPos = kUnlisted + 1;
        for (std::uint32_t j = p_.begin[c]; j < p_.begin[c + 1]; ++j) {
            const int q = p_.pattern[j];
            if (q == skip) continue;
            const int at = pos_[static_cast<std::size_t>(q)];
            if (at < bestPos) {
                bestPos = at;
                best = j;
            }
        }
        return best;
    }

    double Total() const {
        double t = 0;
        for (std::size_t c = 0; c + 1 < p_.begin.size(); ++c) t += p_.weight[c] * p_.value[Pick(c)];
        return t;
    }

    // Moves a pattern to the slot that gains most (slot s = before the s-th of
    // the other patterns; past "Redraw" = left out). Gives the gain made.
    double Improve(int pattern, int entryLimit) {
        const int current = Pos(pattern);
        std::vector<int> others;
        others.reserve(order_.size());
        for (int q : order_)
            if (q != pattern) others.push_back(q);
        const int n = static_cast<int>(others.size());
        std::vector<double> bucket(static_cast<std::size_t>(n + 1), 0.0);
        for (std::uint32_t j : p_.where[static_cast<std::size_t>(pattern)]) {
            const std::size_t c = ClassOf(j);
            const std::uint32_t other = Pick(c, pattern);
            int at = pos_[p_.pattern[other]];
            if (current != kUnlisted && at > current) --at;
            bucket[static_cast<std::size_t>(at)] += p_.weight[c] * (p_.value[j] - p_.value[other]);
        }
        // gain[s]: the pattern picked by every class whose best other is at s or later.
        std::vector<double> gain(static_cast<std::size_t>(n + 1), 0.0);
        double run = 0;
        for (int s = n - 1; s >= 0; --s) {
            run += bucket[static_cast<std::size_t>(s)];
            gain[static_cast<std::size_t>(s)] = run;
        }
        const int redrawAt =
            static_cast<int>(std::find(others.begin(), others.end(), p_.redraw) - others.begin());
        const int now = current == kUnlisted ? n : current;
        std::vector<int> slots;
        for (int s = 0; s <= redrawAt; ++s) slots.push_back(s);
        slots.push_back(n);
        std::stable_sort(slots.begin(), slots.end(), [&](int x, int y) {
            return gain[static_cast<std::size_t>(x)] > gain[static_cast<std::size_t>(y)];
        });
        const double base = gain[static_cast<std::size_t>(now)];
        for (int s : slots) {
            const double g = gain[static_cast<std::size_t>(s)] - base;
            if (g <= 1e-9) return 0;
            std::vector<int> next = others;
            if (s < n) next.insert(next.begin() + s, pattern);
            if (entryLimit > 0 && Entries(next) > entryLimit) continue;
            Set(next);
            return g;
        }
        return 0;
    }

    int Entries(const std::vector<int>& order) const {
        int n = 0;
        int family = -1;
        for (int q : order) {
            const int f = generate::FamilyOf(p_.keyOf[static_cast<std::size_t>(q)]);
            if (f != family) ++n;
            family = f;
        }
        return n;
    }

    std::size_t ClassOf(std::uint32_t candidate) const {
        return static_cast<std::size_t>(
            std::upper_bound(p_.begin.begin(), p_.begin.end(), candidate) - p_.begin.begin() - 1);
    }

private:
    const Problem& p_;
    std::vector<int> order_;
    std::vector<int> pos_;
};

} // namespace

GeneratedList GenerateStrategyList(int game, const PaySchedule& pays, int threads, int coins) {
    using namespace exact::detail;
    threads = std::max(1, threads);
    const int classCount = exact::ClassCount();
    const std::vector<DealClass>& classes = DealClasses();

    // Every class's patterns and the values of their holds.
    std::vector<std::array<PatternKey, 32>> keys(static_cast<std::size_t>(classCount));
    std::vector<std::array<std::uint8_t, 32>> masks(static_cast<std::size_t>(classCount));
    std::vector<std::array<float, 32>> values(static_cast<std::size_t>(classCount));
    std::vector<std::uint8_t> counts(static_cast<std::size_t>(classCount));
    std::vector<double> bestValue(static_cast<std::size_t>(classCount));
    std::array<double, 32> perDraw{};
    for (int s = 0; s < 32; ++s)
        perDraw[static_cast<std::size_t>(s)] =
            1.0 / static_cast<double>(DrawsFor(std::popcount(static_cast<unsigned>(s)))) / coins;
    VisitClassTotals(game, pays, coins, threads, [&](int, int i, const SubsetTotals& totals) {
        generate::DealPatterns dp;
        generate::PatternsOfDeal(game, exact::ClassCards(i), dp);
        const std::size_t at = static_cast<std::size_t>(i);
        counts[at] = static_cast<std::uint8_t>(dp.count);
        for (int k = 0; k < dp.count; ++k) {
            keys[at][k] = dp.key[k];
            masks[at][k] = dp.mask[k];
            values[at][k] =
                static_cast<float>(static_cast<double>(totals[dp.mask[k]]) * perDraw[dp.mask[k]]);
        }
        double best = 0;
        for (int s = 0; s < 32; ++s)
            best = std::max(best, static_cast<double>(totals[s]) * perDraw[s]);
        bestValue[at] = best;
    });

    // The pool: patterns whose hold is the best named hold of some class, with
    // the average value where they are.
    std::vector<int> dense(generate::kPatternKeys, -1);
    Problem p;
    std::vector<double> evSum, evWeight;
    auto denseOf = [&](PatternKey k) {
        int& d = dense[k];
        if (d < 0) {
            d = static_cast<int>(p.keyOf.size());
            p.keyOf.push_back(k);
            evSum.push_back(0);
            evWeight.push_back(0);
        }
        return d;
    };
    denseOf(generate::RedrawPattern());
    for (int i = 0; i < classCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        int best = 0;
        for (int k = 1; k < counts[at]; ++k)
            if (values[at][k] > values[at][best]) best = k;
        const int d = denseOf(keys[at][best]);
        evSum[static_cast<std::size_t>(d)] +=
            classes[at].weight * static_cast<double>(values[at][best]);
        evWeight[static_cast<std::size_t>(d)] += classes[at].weight;
    }
    p.redraw = 0;
    p.weight.resize(static_cast<std::size_t>(classCount));
    p.begin.reserve(static_cast<std::size_t>(classCount) + 1);
    p.where.resize(p.keyOf.size());
    for (int i = 0; i < classCount; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        p.weight[at] = classes[at].weight;
        p.begin.push_back(static_cast<std::uint32_t>(p.pattern.size()));
        for (int k = 0; k < counts[at]; ++k) {
            const int d = dense[keys[at][k]];
            if (d < 0) continue;
            p.where[static_cast<std::size_t>(d)].push_back(
                static_cast<std::uint32_t>(p.pattern.size()));
            p.pattern.push_back(static_cast<std::uint16_t>(d));
            p.value.push_back(values[at][k]);
            p.mask.push_back(masks[at][k]);
        }
    }
    p.begin.push_back(static_cast<std::uint32_t>(p.pattern.size()));
    keys = {};
    values = {};
    masks = {};

    // Start from the order of the average values, "Redraw" last; then move
    // one pattern at a time to where it gains most, until nothing gains.
    std::vector<int> start(p.keyOf.size());
    std::iota(start.begin(), start.end(), 0);
    std::stable_sort(start.begin(), start.end(), [&](int x, int y) {
        if ((x == p.redraw) != (y == p.redraw)) return y == p.redraw;
        return evSum[static_cast<std::size_t>(x)] / evWeight[static_cast<std::size_t>(x)] >
               evSum[static_cast<std::size_t>(y)] / evWeight[static_cast<std::size_t>(y)];
    });
    Order order(p);
    order.Set(start);
    auto search = [&](int limit, int passes) {
        for (int pass = 0; pass < passes; ++pass) {
            double gained = 0;
            for (int q = 0; q < static_cast<int>(p.keyOf.size()); ++q)
                if (q != p.redraw) gained += order.Improve(q, limit);
            if (gained < 1e-6) break;
        }
    };
    search(0, 8);
    // Then fewer entries: the entry whose patterns cost least to leave out
    // goes, until the list is short enough; the search tidies up after each.
    while (order.Entries(order.Patterns()) > kMaxGeneratedEntries) {
        const std::vector<int>& now = order.Patterns();
        double cheapest = 1e300;
        std::vector<int> best;
        for (std::size_t i = 0; i < now.size();) {
            std::size_t j = i;
            const int f = generate::FamilyOf(p.keyOf[static_cast<std::size_t>(now[i])]);
            while (j < now.size() &&
                   generate::FamilyOf(p.keyOf[static_cast<std::size_t>(now[j])]) == f)
                ++j;
            if (now[i] != p.redraw) {
                std::vector<int> without(now.begin(), now.begin() + static_cast<long>(i));
                without.insert(without.end(), now.begin() + static_cast<long>(j), now.end());
                Order trial(p);
                trial.Set(without);
                double lost = 0;
                for (std::size_t k = i; k < j; ++k)
                    for (std::uint32_t at : p.where[static_cast<std::size_t>(now[k])]) {
                        const std::size_t c = order.ClassOf(at);
                        if (order.Pick(c) != at) continue;
                        lost += p.weight[c] * (p.value[at] - p.value[trial.Pick(c)]);
                    }
                if (lost < cheapest) {
                    cheapest = lost;
                    best = without;
                }
            }
            i = j;
        }
        order.Set(best);
        search(kMaxGeneratedEntries, 2);
    }

    // Patterns that decide no deal go.
    {
        std::vector<char> picked(p.keyOf.size(), 0);
        for (std::size_t c = 0; c + 1 < p.begin.size(); ++c) picked[p.pattern[order.Pick(c)]] = 1;
        std::vector<int> used;
        for (int q : order.Patterns())
            if (picked[static_cast<std::size_t>(q)]) used.push_back(q);
        order.Set(used);
    }

    // The list: entries are runs of one family.
    GeneratedList g;
    g.game = game;
    g.coins = coins;
    g.pays = pays;
    g.positionOfPattern.assign(generate::kPatternKeys, 0);
    g.orderOfPattern.assign(generate::kPatternKeys, 0);
    const std::vector<int>& final = order.Patterns();
    std::vector<std::vector<PatternKey>> entries;
    int family = -1;
    for (std::size_t i = 0; i < final.size(); ++i) {
        const PatternKey k = p.keyOf[static_cast<std::size_t>(final[i])];
        const int f = generate::FamilyOf(k);
        if (entries.empty() || f != family) entries.emplace_back();
        family = f;
        entries.back().push_back(k);
        g.positionOfPattern[k] = static_cast<std::uint8_t>(entries.size());
        g.orderOfPattern[k] = static_cast<std::uint16_t>(i + 1);
    }

    // Each class's hold, the entries' values and both returns.
    std::vector<exact::HoldMask> holds(static_cast<std::size_t>(classCount));
    std::vector<double> entrySum(entries.size() + 1), entryWeight(entries.size() + 1);
    for (int i = 0; i < classCount; ++i) {
        const std::size_t c = static_cast<std::size_t>(i);
        const std::uint32_t j = order.Pick(c);
        holds[c] = p.mask[j];
        const int e = g.positionOfPattern[p.keyOf[p.pattern[j]]];
        entrySum[static_cast<std::size_t>(e)] += p.weight[c] * static_cast<double>(p.value[j]);
        entryWeight[static_cast<std::size_t>(e)] += p.weight[c];
    }
    const exact::PayTableReturn r = exact::ComputeReturn(game, pays, coins, holds, threads);
    g.optimalReturn = r.optimal;
    g.listReturn = r.strategy;

    g.names.push_back("");
    g.slots.push_back(StrategyEntry{nullptr, 0.0f, EntryId::kNone});
    for (std::size_t e = 0; e < entries.size(); ++e) {
        g.names.push_back(generate::EntryText(game, entries[e]));
        const double w = entryWeight[e + 1];
        g.slots.push_back(StrategyEntry{
            nullptr, static_cast<float>(w > 0 ? entrySum[e + 1] / w : 0), EntryId::kNone});
    }
    g.list.game = game;
    g.list.choice = -1;
    g.list.count = static_cast<std::int32_t>(entries.size());
    g.list.positions = {};
    g.Relink();
    return g;
}

std::uint8_t GeneratedHold(const GeneratedList& g, const std::array<Card, 5>& cards) {
    generate::DealPatterns dp;
    generate::PatternsOfDeal(g.game, cards, dp);
    int best = -1;
    int bestOrder = 1 << 20;
    for (int k = 0; k < dp.count; ++k) {
        const PatternKey key = dp.key[static_cast<std::size_t>(k)];
        if (!g.positionOfPattern[key]) continue;
        if (g.orderOfPattern[key] < bestOrder) {
            bestOrder = g.orderOfPattern[key];
            best = k;
        }
    }
    return best < 0 ? 0 : dp.mask[static_cast<std::size_t>(best)];
}

void AdviseGenerated(const GeneratedList& g, const std::array<Card, 5>& cards, HandAnalysis& a,
                     Recommendation& r) {
    AnalyseForGame(g.game, cards, a);
    r.Clear();
    const std::uint8_t mask = GeneratedHold(g, cards);
    for (int i = 0; i < 5; ++i) r.hold[static_cast<std::size_t>(i)] = mask >> i & 1;
    r.strategyIndex = g.positionOfPattern[generate::PatternOf(g.game, cards, mask)];
}

} // namespace quintaro
