#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>

#include "analysis/pay_analysis.h"
#include "exact/exact_analysis.h"
#include "generate/generated_list.h"
#include "generate/list_return.h"

namespace quintaro::analysis {
namespace {

TableInForce BuiltIn(int game, int choice, int coins = 5) {
    return {game, choice, BuiltInSchedule(game, choice), coins};
}

TableInForce OwnRow(int game, const char* pays) {
    std::string error;
    const auto schedule = ParseFiveCoinPays(game, pays, error);
    EXPECT_TRUE(schedule) << error;
    return {game, -1, schedule.value_or(PaySchedule{}), 5};
}

const PlayFigures& JacksNineSix() {
    static const TableFigures figures = AnalyseTable(BuiltIn(kJacksOrBetter, 1), 2);
    return figures.perfect;
}

// A made-up game: the payouts in bets and their probabilities.
PlayFigures Toy(const std::vector<std::pair<int, double>>& outcomes) {
    PlayFigures p;
    for (const auto& [pays, prob] : outcomes) {
        CategoryFigures c;
        c.pays = pays;
        c.probability = prob;
        p.categories.push_back(c);
        p.payback += pays * prob;
        p.variance += pays * pays * prob;
    }
    p.variance -= p.payback * p.payback;
    p.deviation = std::sqrt(p.variance);
    return p;
}

// Published variances and returns under perfect play at five coins.
TEST(PayAnalysis, PublishedVariances) {
    struct Case {
        TableInForce table;
        double variance;
        double payback; // 0: not checked
    };
    const Case cases[] = {
        {BuiltIn(kJacksOrBetter, 1), 19.51468, 0.995439},
        {OwnRow(kJacksOrBetter, "1,2,3,4,5,7,25,50,800"), 19.17190, 0},
        {BuiltIn(kDeucesWild, 1), 25.78027, 0},
        {OwnRow(kDeucesWild, "1,2,2,3,5,9,15,25,200,800"), 25.83462, 0},
        {BuiltIn(kDoubleDoubleBonus, 0), 41.98498, 0},
    };
    for (const Case& c : cases) {
        const TableFigures f = AnalyseTable(c.table, 2);
        SCOPED_TRACE(GameInfoFor(c.table.game).name);
        EXPECT_NEAR(f.perfect.variance, c.variance, 1e-5);
        if (c.payback > 0) {
            EXPECT_NEAR(f.perfect.payback, c.payback, 1e-6);
        }
        // A row of one's own plays the list generated for it.
        ASSERT_TRUE(f.list.has_value());
        if (c.table.choice < 0) {
            EXPECT_NEAR(f.list->payback,
                        GenerateStrategyList(c.table.game, c.table.pays, 2).listReturn, 1e-9);
        }
    }
    EXPECT_NEAR(JacksNineSix().categories.front().cycle, 40390.5, 0.05);
}

// In every game, both ways of playing: the probabilities sum to 1, the
// contributions to the return the exact engine finds, and the list does no
// better than perfect play.
TEST(PayAnalysis, FiguresAgreeWithTheEngine) {
    for (int game = 0; game < kGameCount; ++game) {
        const int choice = game % 2;
        const int coins = game == kDeucesWild ? 1 : 5;
        const TableFigures f = AnalyseTable(BuiltIn(game, choice, coins), 2);
        const exact::PayTableReturn r = ListReturn(game, choice, coins, 2);
        SCOPED_TRACE(GameInfoFor(game).name);
        ASSERT_TRUE(f.list);
        for (const PlayFigures* p : {&f.perfect, &*f.list}) {
            double probability = 0, contribution = 0, hits = 0;
            for (const CategoryFigures& c : p->categories) {
                probability += c.probability;
                contribution += c.contribution;
                if (c.pays > 0) hits += c.probability;
                if (c.probability > 0) {
                    EXPECT_NEAR(c.cycle * c.probability, 1, 1e-12);
                }
            }
            EXPECT_NEAR(probability, 1, 1e-12);
            EXPECT_NEAR(contribution, p->payback, 1e-12);
            EXPECT_NEAR(hits, p->hitFrequency, 1e-12);
            EXPECT_LE(p->dealVariance, p->variance);
            // The kinds of deal: their mixture is the outcomes, the spread of
            // their means the deal variance.
            ASSERT_TRUE(p->deals);
            const DealKinds& k = *p->deals;
            const std::size_t n = k.pays.size();
            std::vector<double> mix(n, 0.0);
            double weight = 0, mean = 0, square = 0;
            for (std::size_t d = 0; d < k.weight.size(); ++d) {
                double m = 0;
                for (std::size_t j = 0; j < n; ++j) {
                    mix[j] += k.weight[d] * k.chance[d * n + j];
                    m += k.chance[d * n + j] * static_cast<double>(k.pays[j]);
                }
                weight += k.weight[d];
                mean += k.weight[d] * m;
                square += k.weight[d] * m * m;
            }
            EXPECT_NEAR(weight, 1, 1e-12);
            EXPECT_NEAR(mean, p->payback, 1e-12);
            EXPECT_NEAR(square - mean * mean, p->dealVariance, 1e-9);
            const std::vector<Outcome> outcomes = OutcomesOf(*p);
            ASSERT_LE(outcomes.size(), n);
            for (const Outcome& o : outcomes) {
                const auto at = std::find(k.pays.begin(), k.pays.end(), o.pays) - k.pays.begin();
                EXPECT_NEAR(mix[static_cast<std::size_t>(at)], o.probability, 1e-12);
            }
        }
        EXPECT_NEAR(f.perfect.payback, r.optimal, 1e-9);
        EXPECT_NEAR(f.list->payback, r.strategy, 1e-9);
        EXPECT_LE(f.list->payback, f.perfect.payback + 1e-12);
    }
}

// Several lines: the variance per total bet, and the lifetime exponent against
// the expectation over every payout of every line of a made-up game's deals,
// the root found on r directly.
TEST(PayAnalysis, SeveralLines) {
    const PlayFigures& p = JacksNineSix();
    EXPECT_NEAR(p.dealVariance, 1.966, 5e-4);
    EXPECT_NEAR(LineVariance(p, 100), 2.14, 5e-3);
    EXPECT_DOUBLE_EQ(LineVariance(p, 1), p.variance);

    auto kinds = std::make_shared<DealKinds>();
    kinds->pays = {0, 1, 3, 7};
    kinds->weight = {0.3, 0.5, 0.2};
    kinds->chance = {0.5, 0.2, 0.3, 0, 0.6, 0.25, 0.15, 0, 0.7, 0.1, 0.1, 0.1};
    PlayFigures toy;
    toy.deals = kinds;
    toy.payback = 0;
    for (std::size_t d = 0; d < 3; ++d)
        for (std::size_t j = 0; j < 4; ++j)
            toy.payback += kinds->weight[d] * kinds->chance[d * 4 + j] * kinds->pays[j];
    toy.variance = 2; // a guess of the root's size only
    const double cashback = 0.2;
    for (int lines : {1, 2, 3, 4}) {
        // E[r^(S - L (1 - cashback))] - 1 over every payout of every line.
        auto excess = [&](double r) {
            double sum = 0;
            for (std::size_t d = 0; d < 3; ++d) {
                std::function<double(int, double, std::int64_t)> walk = [&](int line, double prob,
                                                                            std::int64_t total) {
                    if (line == lines) return prob * std::pow(r, total - lines * (1 - cashback));
                    double s = 0;
                    for (std::size_t j = 0; j < 4; ++j)
                        s +=
                            walk(line + 1, prob * kinds->chance[d * 4 + j], total + kinds->pays[j]);
                    return s;
                };
                sum += kinds->weight[d] * walk(0, 1, 0);
            }
            return sum - 1;
        };
        double low = 1e-3, high = 1 - 1e-9; // excess(low) > 0 > excess(high)
        for (int i = 0; i < 100; ++i) {
            const double mid = 0.5 * (low + high);
            (excess(mid) > 0 ? low : high) = mid;
        }
        SCOPED_TRACE(lines);
        EXPECT_NEAR(LifetimeExponent(toy, cashback, lines), lines * std::log(low), 1e-9);
    }
    // Jacks or Better: many lines are safer per total bet than one.
    EXPECT_LT(LifetimeExponent(p, 0.01, 100), LifetimeExponent(p, 0.01, 3));
    EXPECT_LT(LifetimeExponent(p, 0.01, 3), LifetimeExponent(p, 0.01, 1));
}

// Published lifetime ruin of Jacks or Better 9/6: bankrolls in bets.
TEST(PayAnalysis, LifetimeRuin) {
    struct Case {
        double cashback;
        double ruin;
        double bankroll;
    };
    const Case cases[] = {{0.01, 0.50, 1092}, {0.01, 0.01, 7255}, {0.0084, 0.05, 6961}};
    const PlayFigures& p = JacksNineSix();
    for (const Case& c : cases) {
        const double a = LifetimeExponent(p, c.cashback);
        EXPECT_NEAR(BankrollForRuin(a, c.ruin), c.bankroll, 1.0);
        EXPECT_NEAR(LifetimeRuin(a, BankrollForRuin(a, c.ruin)), c.ruin, 1e-12);
        // The root itself: E[r^(X - 1 + cashback)] = 1.
        double sum = 0;
        for (const Outcome& o : OutcomesOf(p))
            sum += o.probability * std::expm1(a * (static_cast<double>(o.pays) - 1 + c.cashback));
        EXPECT_NEAR(sum, 0, 1e-15);
    }
    // A game that does not gain ruins for certain; one that never loses never does.
    EXPECT_EQ(LifetimeExponent(p, 0), 0);
    EXPECT_EQ(LifetimeRuin(LifetimeExponent(p, 0), 1e6), 1);
    EXPECT_TRUE(std::isinf(BankrollForRuin(0, 0.05)));
    EXPECT_EQ(LifetimeRuin(LifetimeExponent(Toy({{1, 0.5}, {2, 0.5}}), 0), 1), 0);
}

// Jacks or Better 9/6, $1.25 a hand, 1,600 hands, $200: 160 bets.
TEST(PayAnalysis, PublishedSessionRuin) {
    const SessionFigures s = SessionSpread(JacksNineSix(), 1, 160, 1600, 16);
    EXPECT_NEAR(s.ruin, 0.0815, 5e-4);
    ASSERT_EQ(s.points.size(), 17u);
    EXPECT_EQ(s.points.back().hand, 1600);
    for (std::size_t i = 1; i < s.points.size(); ++i) {
        EXPECT_GE(s.points[i].ruin, s.points[i - 1].ruin);
        EXPECT_LE(s.points[i].low, s.points[i].median);
        EXPECT_LE(s.points[i].median, s.points[i].high);
    }
}

// The chain against every path of a few hands of small games.
TEST(PayAnalysis, SessionChainAgainstEveryPath) {
    const std::vector<std::vector<std::pair<int, double>>> games = {
        {{0, 0.5}, {2, 0.5}},
        {{0, 0.55}, {1, 0.2}, {3, 0.2}, {9, 0.05}},
        {{0, 0.6}, {1, 0.3}, {4, 0.1}},
    };
    for (const auto& g : games) {
        const PlayFigures p = Toy(g);
        for (int bankroll : {1, 2, 3, 5}) {
            const int hands = 9;
            // The probability of each final bankroll over every path.
            std::vector<double> final(128, 0.0);
            std::function<void(int, int, double)> walk = [&](int hand, int b, double prob) {
                if (hand == hands || b == 0) {
                    final[static_cast<std::size_t>(b)] += prob;
                    return;
                }
                for (const auto& [pays, q] : g) walk(hand + 1, b - 1 + pays, prob * q);
            };
            walk(0, bankroll, 1);
            const SessionFigures s = SessionSpread(p, 1, bankroll, hands, hands);
            EXPECT_NEAR(s.ruin, final[0], 1e-12);
            auto quantile = [&](double q) {
                double sum = 0;
                for (std::size_t b = 0; b < final.size(); ++b)
                    if ((sum += final[b]) >= q * (1 - 1e-12))
                        return static_cast<double>(b) - bankroll;
                return 0.0;
            };
            EXPECT_EQ(s.points.back().low, quantile(0.05));
            EXPECT_EQ(s.points.back().median, quantile(0.5));
            EXPECT_EQ(s.points.back().high, quantile(0.95));
        }
    }
}

// Several lines: the Brownian session's ruin tends to the motion's lifetime
// ruin, held to the exact one where a rare large win shared by the lines makes
// the motion overstate it; a bankroll out of reach is never lost.
TEST(PayAnalysis, BrownianSessions) {
    const PlayFigures p = Toy({{0, 0.45}, {2, 0.55}});
    const double brownian = std::exp(-2 * (p.payback - 1) / LineVariance(p, 3) * 2);
    EXPECT_NEAR(SessionSpread(p, 3, 2, 100'000, 4).ruin, brownian, 1e-3);
    EXPECT_GT(LifetimeRuin(LifetimeExponent(p, 0, 3), 2), brownian);

    PlayFigures shared = Toy({{0, 0.99 * 0.55}, {1, 0.99 * 0.45}, {60, 0.01}});
    shared.deals =
        std::make_shared<DealKinds>(DealKinds{{0, 1, 60}, {0.01, 0.99}, {0, 0, 1, 0.55, 0.45, 0}});
    for (const CategoryFigures& c : shared.categories)
        shared.dealVariance += c.pays == 60 ? 0.01 * 60 * 60 : 0.99 * 0.45 * 0.45;
    shared.dealVariance -= shared.payback * shared.payback;
    const double exact = LifetimeRuin(LifetimeExponent(shared, 0, 3), 10);
    EXPECT_LT(exact, std::exp(-2 * (shared.payback - 1) / LineVariance(shared, 3) * 10));
    EXPECT_DOUBLE_EQ(SessionSpread(shared, 3, 10, 100'000, 4).ruin, exact);
    EXPECT_EQ(SessionSpread(p, 1, 50, 40, 4).ruin, 0);
    EXPECT_EQ(SessionSpread(p, 3, 0, 40, 4).ruin, 1);
}

TEST(PayAnalysis, InputsAndText) {
    BankrollInputs in;
    EXPECT_EQ(InputsProblem(in), "");
    const std::pair<BankrollInputs, const char*> bad[] = {
        {{0, 1000, 0, 1}, "bankroll"},
        {{100, 0, 0, 1}, "hands"},
        {{100, 1000, -1, 1}, "cashback"},
        {{100, 1000, 0, 101}, "lines"},
    };
    for (const auto& [inputs, word] : bad)
        EXPECT_NE(InputsProblem(inputs).find(word), std::string::npos) << word;

    TableFigures f;
    f.perfect = JacksNineSix();
    const std::string text = FiguresText(BuiltIn(kJacksOrBetter, 1), "9/6", f, {800, 1600, 1, 1});
    for (const char* want : {"Jacks or Better, pay table 9/6, 5 coins", "variance", "19.51468",
                             "40390.5", "session ruin", "lifetime ruin"})
        EXPECT_NE(text.find(want), std::string::npos) << want;
    EXPECT_EQ(text.find("strategy list"), std::string::npos);
}

} // namespace
} // namespace quintaro::analysis
