// The bankroll figures: several lines, the lifetime ruin and the sessions.

#include <algorithm>
#include <cmath>
#include <limits>

#include "analysis/pay_analysis.h"

namespace quintaro::analysis {

namespace {

double Mean(const PlayFigures& play) {
    return play.payback - 1;
}

// The normal distribution's lower tail and its logarithm (-inf where it
// underflows).
double NormalBelow(double x) {
    return 0.5 * std::erfc(-x / std::sqrt(2.0));
}
double LogNormalBelow(double x) {
    const double p = NormalBelow(x);
    return p > 0 ? std::log(p) : -std::numeric_limits<double>::infinity();
}

} // namespace

double LineVariance(const PlayFigures& play, int lines) {
    const double c = std::min(play.dealVariance, play.variance);
    return c + (play.variance - c) / std::max(1, lines);
}

namespace {

// The root u < 0 of a convex g with g(0) = 0 and g'(0) > 0, from a guess of its
// size: -inf when g stays negative (nothing loses), 0 when it never turns
// negative.
template <class G> double NegativeRoot(const G& g, double guess) {
    double low = guess * 2; // g(low) > 0
    while (!(g(low) > 0)) {
        low *= 2;
        if (low < -1e6) return -std::numeric_limits<double>::infinity();
    }
    double high = low / 2; // g(high) < 0
    while (!(g(high) < 0)) {
        high /= 2;
        if (high > -1e-300) return 0;
    }
    for (int i = 0; i < 200 && high - low > 1e-15 * -low; ++i) {
        const double mid = 0.5 * (low + high);
        (g(mid) > 0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

} // namespace

double LifetimeExponent(const PlayFigures& play, double cashback, int lines) {
    const double mean = Mean(play) + cashback;
    if (mean <= 0) return 0;
    lines = std::max(1, lines);
    const double v = LineVariance(play, lines);
    // The Brownian motion's exponent per bet, a guess of the root's size.
    const double guess = v > 0 ? -2 * mean / v / lines : -1;
    // Without kinds of deal the lines share nothing: one kind, the outcomes.
    DealKinds single;
    if (!play.deals) {
        for (const Outcome& o : OutcomesOf(play)) {
            single.pays.push_back(o.pays);
            single.chance.push_back(o.probability);
        }
        single.weight.push_back(1);
    }
    const DealKinds& kinds = play.deals ? *play.deals : single;
    const std::size_t n = kinds.pays.size();
    std::vector<double> step(n);
    // g(u) = E_deal[(E[exp(u (X - 1 + cashback)) | deal])^L] - 1, u per bet; in
    // log1p and expm1 so that the small differences from 1 keep their digits.
    auto g = [&](double u) {
        // Held finite, so that a payout a kind never draws adds 0, not 0 times inf.
        for (std::size_t k = 0; k < n; ++k)
            step[k] = std::min(1e300,
                               std::expm1(u * (static_cast<double>(kinds.pays[k]) - 1 + cashback)));
        double sum = 0;
        const double* chance = kinds.chance.data();
        for (std::size_t d = 0; d < kinds.weight.size(); ++d, chance += n) {
            double q = 0;
            for (std::size_t k = 0; k < n; ++k) q += chance[k] * step[k];
            sum += kinds.weight[d] * (lines == 1 ? q : std::expm1(lines * std::log1p(q)));
        }
        return sum;
    };
    return lines * NegativeRoot(g, guess);
}

double LifetimeRuin(double exponent, double bankroll) {
    if (bankroll <= 0) return 1;
    if (std::isinf(exponent)) return 0;
    return std::exp(exponent * bankroll);
}

double BankrollForRuin(double exponent, double probability) {
    if (exponent >= 0) return std::numeric_limits<double>::infinity();
    if (std::isinf(exponent)) return 0;
    return std::log(probability) / exponent;
}

namespace {

std::vector<int> ReportedHands(int hands, int points) {
    std::vector<int> at;
    points = std::clamp(points, 1, std::max(1, hands));
    for (int i = 0; i <= points; ++i)
        at.push_back(static_cast<int>(static_cast<std::int64_t>(hands) * i / points));
    return at;
}

// The exact chain of one line: the probability of every bankroll in bets after
// each hand, 0 holding the ruined sessions. Bankrolls above a ceiling far out
// of reach of ruin within the session are gathered as one mass above it.
SessionFigures ExactSession(const PlayFigures& play, std::int64_t bankroll, int hands, int points) {
    const std::vector<Outcome> outcomes = OutcomesOf(play);
    std::int64_t top = 0;
    for (const Outcome& o : outcomes) top = std::max(top, o.pays - 1);
    const double spread = 5 * play.deviation * std::sqrt(static_cast<double>(hands));
    const std::int64_t ceiling =
        std::min<std::int64_t>(bankroll + top * std::int64_t{hands},
                               bankroll + top + static_cast<std::int64_t>(spread) + 1);
    const std::size_t size = static_cast<std::size_t>(ceiling) + 1;
    std::vector<double> now(size, 0.0), next(size, 0.0);
    now[static_cast<std::size_t>(bankroll)] = 1;
    double above = 0;
    std::int64_t high = bankroll; // the highest bankroll with any mass

    const std::vector<int> reported = ReportedHands(hands, points);
    std::size_t nextReport = 0;
    SessionFigures out;
    auto report = [&](int hand) {
        SessionPoint p;
        p.hand = hand;
        p.ruin = now[0];
        const std::array<double, 3> qs{0.05, 0.5, 0.95};
        std::array<double, 3> values{};
        values.fill(static_cast<double>(ceiling - bankroll));
        double sum = 0;
        std::size_t q = 0;
        for (std::int64_t b = 0; b <= high && q < qs.size(); ++b) {
            sum += now[static_cast<std::size_t>(b)];
            while (q < qs.size() && sum >= qs[q] * (1 - 1e-12))
                values[q++] = static_cast<double>(b - bankroll);
        }
        p.low = values[0];
        p.median = values[1];
        p.high = values[2];
        out.points.push_back(p);
    };
    while (nextReport < reported.size() && reported[nextReport] == 0) {
        report(0);
        ++nextReport;
    }
    for (int hand = 1; hand <= hands; ++hand) {
        const std::int64_t newHigh = std::min(ceiling, high + top);
        std::fill(next.begin(), next.begin() + newHigh + 1, 0.0);
        next[0] = now[0];
        for (const Outcome& o : outcomes) {
            const std::int64_t d = o.pays - 1;
            const double p = o.probability;
            // next[b] += p now[b - d] for the live bankrolls 1..high.
            const std::int64_t from = std::max<std::int64_t>(0, 1 + d);
            const std::int64_t to = std::min(newHigh, high + d);
            const double* src = now.data() - d;
            double* dst = next.data();
            for (std::int64_t b = from; b <= to; ++b) dst[b] += p * src[b];
            for (std::int64_t b = std::max<std::int64_t>(1, ceiling - d + 1); b <= high; ++b)
                above += p * now[static_cast<std::size_t>(b)];
        }
        high = newHigh;
        now.swap(next);
        while (nextReport < reported.size() && reported[nextReport] == hand) {
            report(hand);
            ++nextReport;
        }
    }
    out.ruin = now[0];
    return out;
}

// The Brownian motion with drift mean and variance v per hand, stopped at
// -bankroll.
SessionFigures BrownianSession(double mean, double v, double bankroll, int hands, int points) {
    SessionFigures out;
    const double reflect = -2 * mean * bankroll / v; // log of the reflected term's weight
    for (int hand : ReportedHands(hands, points)) {
        SessionPoint p;
        p.hand = hand;
        if (hand == 0) {
            out.points.push_back(p);
            continue;
        }
        const double t = hand;
        const double mt = mean * t;
        const double s = std::sqrt(v * t);
        p.ruin = std::min(1.0, NormalBelow((-bankroll - mt) / s) +
                                   std::exp(reflect + LogNormalBelow((-bankroll + mt) / s)));
        // The distribution of the stopped result: G(x) = Phi((x - mt) / s) +
        // w (1 - Phi((x + 2 bankroll - mt) / s)) for x >= -bankroll.
        auto cdf = [&](double x) {
            return NormalBelow((x - mt) / s) +
                   std::exp(reflect + LogNormalBelow(-(x + 2 * bankroll - mt) / s));
        };
        std::array<double, 3> values{};
        const std::array<double, 3> qs{0.05, 0.5, 0.95};
        for (std::size_t q = 0; q < qs.size(); ++q) {
            double lo = -bankroll, hi = mt + 12 * s;
            if (cdf(lo) >= qs[q]) {
                values[q] = lo;
                continue;
            }
            for (int i = 0; i < 100; ++i) {
                const double mid = 0.5 * (lo + hi);
                (cdf(mid) < qs[q] ? lo : hi) = mid;
            }
            values[q] = 0.5 * (lo + hi);
        }
        p.low = values[0];
        p.median = values[1];
        p.high = values[2];
        out.points.push_back(p);
    }
    out.ruin = out.points.back().ruin;
    return out;
}

} // namespace

SessionFigures SessionSpread(const PlayFigures& play, int lines, std::int64_t bankroll, int hands,
                             int points) {
    hands = std::max(0, hands);
    if (bankroll <= 0) {
        SessionFigures out;
        out.ruin = 1;
        for (int hand : ReportedHands(hands, points)) out.points.push_back({hand, 0, 0, 0, 1});
        return out;
    }
    // A bankroll above the hands cannot be lost within the session (a hand loses
    // one bet at most), so the chain runs from a smaller one with the same results.
    if (lines <= 1)
        return ExactSession(play, std::min<std::int64_t>(bankroll, hands + 1), hands, points);
    // Several lines: the motion's ruin is held to the exact lifetime ruin, which
    // no session can exceed and which the motion overstates when the lines share
    // rare large wins.
    SessionFigures out = BrownianSession(Mean(play), LineVariance(play, lines),
                                         static_cast<double>(bankroll), hands, points);
    const double lifetime =
        LifetimeRuin(LifetimeExponent(play, 0, lines), static_cast<double>(bankroll));
    for (SessionPoint& p : out.points) p.ruin = std::min(p.ruin, lifetime);
    out.ruin = std::min(out.ruin, lifetime);
    return out;
}

RiskFigures RiskOf(const PlayFigures& play, const TableInForce& table, const BankrollInputs& inputs,
                   int sessionPoints) {
    RiskFigures r;
    const int lines = std::max(1, inputs.lines);
    r.totalBet = static_cast<double>(lines) * table.coins;
    r.lineVariance = LineVariance(play, lines);
    r.exponent = LifetimeExponent(play, inputs.cashback / 100, lines);
    r.lifetimeRuin = LifetimeRuin(r.exponent, static_cast<double>(inputs.bankroll) / r.totalBet);
    for (std::size_t i = 0; i < kRuinTargets.size(); ++i)
        r.bankrollFor[i] = BankrollForRuin(r.exponent, kRuinTargets[i]) * r.totalBet;
    const std::int64_t bets = inputs.bankroll / (static_cast<std::int64_t>(lines) * table.coins);
    r.session = SessionSpread(play, lines, bets, inputs.hands, sessionPoints);
    return r;
}

std::vector<CurvePoint> RuinCurve(const RiskFigures& risk, double bankroll, int points) {
    double end = 2 * bankroll;
    if (std::isfinite(risk.bankrollFor[0])) end = std::max(end, risk.bankrollFor[0]);
    points = std::max(1, points);
    std::vector<CurvePoint> curve;
    for (int i = 0; i <= points; ++i) {
        const double b = end * i / points;
        curve.push_back({b, LifetimeRuin(risk.exponent, b / risk.totalBet)});
    }
    return curve;
}

std::string InputsProblem(const BankrollInputs& inputs) {
    if (inputs.bankroll < 1 || inputs.bankroll > 1'000'000'000)
        return "the bankroll must be 1 to 1,000,000,000 credits";
    if (inputs.hands < 1 || inputs.hands > 100'000)
        return "the hands per session must be 1 to 100,000";
    if (!(inputs.cashback >= 0 && inputs.cashback <= 10))
        return "the cashback must be 0 to 10 per cent";
    if (inputs.lines < 1 || inputs.lines > 100) return "the lines must be 1 to 100";
    return {};
}

} // namespace quintaro::analysis
