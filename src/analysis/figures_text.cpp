// The figures as text, one figure a line, for the advisor's --analyse.

#include <cmath>
#include <cstdio>

#include "analysis/pay_analysis.h"
#include "core/hand_names.h"

namespace quintaro::analysis {

namespace {

std::string Format(const char* format, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Credits(double credits) {
    if (std::isinf(credits)) return "never";
    return Format("%.0f", std::ceil(credits - 1e-9));
}

std::string Percent(double p) {
    return Format("%.4f %%", 100 * p);
}

// A line of a label and a value per way of playing.
void Line(std::string& out, const char* label, const std::vector<std::string>& values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%-26s", label);
    out += buffer;
    for (const std::string& v : values) {
        std::snprintf(buffer, sizeof buffer, "%18s", v.c_str());
        out += buffer;
    }
    out += '\n';
}

} // namespace

std::string FiguresText(const TableInForce& table, const std::string& tableName,
                        const TableFigures& figures, const BankrollInputs& inputs) {
    std::vector<const PlayFigures*> plays{&figures.perfect};
    std::vector<std::string> heads{"perfect play"};
    if (figures.list) {
        plays.push_back(&*figures.list);
        heads.push_back("strategy list");
    }
    auto each = [&](auto f) {
        std::vector<std::string> v;
        for (const PlayFigures* p : plays) v.push_back(f(*p));
        return v;
    };
    std::string out;
    const std::string game(GameInfoFor(table.game).name);
    out += "Game:          " + game + ", pay table " + tableName + ", " +
           std::to_string(table.coins) + (table.coins == 1 ? " coin\n\n" : " coins\n\n");
    Line(out, "", heads);
    Line(out, "return", each([](const PlayFigures& p) { return Format("%.8f", p.payback); }));
    Line(out, "variance", each([](const PlayFigures& p) { return Format("%.5f", p.variance); }));
    Line(out, "standard deviation",
         each([](const PlayFigures& p) { return Format("%.5f", p.deviation); }));
    Line(out, "hit frequency",
         each([](const PlayFigures& p) { return Format("%.6f", p.hitFrequency); }));
    Line(out, "deal variance",
         each([](const PlayFigures& p) { return Format("%.5f", p.dealVariance); }));

    const auto names = CategoryNamesFor(table.game);
    for (std::size_t i = 0; i < plays.size(); ++i) {
        out += "\nhand (" + heads[i] + ")";
        out += std::string(26 - std::min<std::size_t>(25, 7 + heads[i].size()), ' ');
        out += "      pays       probability          1 in        return\n";
        for (const CategoryFigures& c : plays[i]->categories) {
            std::string name(names[static_cast<std::size_t>(c.category)].statisticsName);
            char buffer[200];
            std::snprintf(buffer, sizeof buffer, "%-26s%10d%18.12f%14s%14.8f\n", name.c_str(),
                          c.pays, c.probability,
                          c.cycle > 0 ? Format("%.1f", c.cycle).c_str() : "never", c.contribution);
            out += buffer;
        }
    }

    const int lines = std::max(1, inputs.lines);
    out += "\nbankroll " + std::to_string(inputs.bankroll) + " credits, sessions of " +
           std::to_string(inputs.hands) + " hands, cashback " + Format("%.2f", inputs.cashback) +
           " %, " + std::to_string(lines) + (lines == 1 ? " line\n" : " lines\n");
    std::vector<RiskFigures> risks;
    for (const PlayFigures* p : plays) risks.push_back(RiskOf(*p, table, inputs, 1));
    auto eachRisk = [&](auto f) {
        std::vector<std::string> v;
        for (const RiskFigures& r : risks) v.push_back(f(r));
        return v;
    };
    Line(out, "", heads);
    Line(out, "total bet (credits)",
         eachRisk([](const RiskFigures& r) { return Format("%.0f", r.totalBet); }));
    Line(out, "variance per total bet",
         eachRisk([](const RiskFigures& r) { return Format("%.5f", r.lineVariance); }));
    Line(out, "lifetime ruin",
         eachRisk([](const RiskFigures& r) { return Percent(r.lifetimeRuin); }));
    for (std::size_t i = 0; i < kRuinTargets.size(); ++i) {
        const std::string label =
            "bankroll for " + Format("%.0f", 100 * kRuinTargets[i]) + " % ruin";
        Line(out, label.c_str(),
             eachRisk([&](const RiskFigures& r) { return Credits(r.bankrollFor[i]); }));
    }
    Line(out, "session ruin",
         eachRisk([](const RiskFigures& r) { return Percent(r.session.ruin); }));
    const auto result = [&](double SessionPoint::*field) {
        return eachRisk([&](const RiskFigures& r) {
            return Format("%.0f", r.session.points.back().*field * r.totalBet);
        });
    };
    Line(out, "session result 5th pct", result(&SessionPoint::low));
    Line(out, "session result median", result(&SessionPoint::median));
    Line(out, "session result 95th pct", result(&SessionPoint::high));
    return out;
}

} // namespace quintaro::analysis
