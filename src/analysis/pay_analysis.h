#pragma once
// The figures of a pay table beyond its return: the spread of a hand's payout,
// how often each hand comes, the risk of losing a bankroll over a lifetime or a
// session, and what playing several lines at once does to that risk.
//
// A hand's payout X is measured in bets (credits won over credits bet); the pay
// rows hold whole numbers per coin, so every payout is a whole number of bets.
// The figures follow one hold per deal: the best hold (ties going to the hold
// with the smaller variance), or the strategy list's hold.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/evaluation.h"
#include "core/pay_table.h"
#include "exact/exact_analysis.h"

namespace quintaro::analysis {

// The table to analyse: a game, its pays at every bet and the coins bet. choice
// is the built-in table (0 or 1) whose strategy list is in force, or -1 for a
// row of one's own.
struct TableInForce {
    int game = 0;
    int choice = 0;
    PaySchedule pays{};
    int coins = 5;
};

// The deals as the lines of one deal see them. The lines of a deal draw apart
// but with the same hold, so what they share is the payout distribution of that
// hold; deals whose holds draw every payout equally often are one kind.
struct DealKinds {
    std::vector<std::int64_t> pays; // the distinct payouts in bets, ascending
    std::vector<double> weight;     // per kind: the probability of its deals
    // Per kind, pays.size() each: the probability of each payout given the deal.
    std::vector<double> chance;
};

struct CategoryFigures {
    HandCategory category = 0;
    std::int32_t pays = 0;   // per coin at the coins bet, so in bets
    double probability = 0;  // of ending a hand in the category
    double cycle = 0;        // one hand in this many; 0 when it never comes
    double contribution = 0; // probability times pays: its share of the return
};

// The figures of one way of playing a table.
struct PlayFigures {
    double payback = 0;      // the return per coin bet
    double variance = 0;     // of the payout per hand, in bets squared
    double deviation = 0;    // its square root
    double hitFrequency = 0; // the probability that a hand pays anything
    // The variance over the deals of the value of the hold played: the part of
    // the variance that the lines of one deal share.
    double dealVariance = 0;
    // The kinds of deal; none for a distribution made up of outcomes alone,
    // whose lines then share nothing.
    std::shared_ptr<const DealKinds> deals;
    // Every category of the game, the highest first, "no win" last.
    std::vector<CategoryFigures> categories;
};

struct TableFigures {
    PlayFigures perfect;
    std::optional<PlayFigures> list; // when a strategy list plays the table
};

// How a strategy holds the deals of each suit class of the exact engine (a
// class: deals that differ by a renaming of suits). A hold is a subset of the
// class's cards, bit j = its j-th card in ascending order.
struct ClassPlay {
    // Per class the hold of all its deals (a mask over exact::ClassCards).
    std::vector<exact::HoldMask> hold;
};
// The strategy list in force for a table: the built-in list of a built-in
// table, else the list generated for the pay row (made here, the last few kept).
std::shared_ptr<const ClassPlay> ListInForce(const TableInForce& table, int threads);

// Every figure of a table over all 2,598,960 deals. threads: 1 or more.
TableFigures AnalyseTable(const TableInForce& table, int threads = 1);

// A hand's payouts and their probabilities, equal payouts merged, ascending.
struct Outcome {
    std::int64_t pays = 0; // bets
    double probability = 0;
};
std::vector<Outcome> OutcomesOf(const PlayFigures& play);

// --- Several lines ----------------------------------------------------------

// The variance of a hand's payout per unit of the total bet when L lines are
// played on one deal, each drawing from its own copy of the unseen cards:
// c + (variance - c) / L, with c the deal variance.
double LineVariance(const PlayFigures& play, int lines);

// --- Risk of ruin -------------------------------------------------------------

// The exponent a <= 0 of the lifetime ruin: the probability of ever losing a
// bankroll of B total bets, playing for ever, is exp(a B). cashback is the share
// of each bet paid back (0.01 for one per cent). With S the total payout of the
// L lines of a deal in bets, a = L ln r, r the root in (0, 1) of
// E[r^(S - L (1 - cashback))] = 1, the expectation over the deals of the L-th
// power of the one-line expectation given the deal (for one line
// E[r^(X - 1 + cashback)] = 1). 0 when the game does not gain (ruin is certain).
double LifetimeExponent(const PlayFigures& play, double cashback, int lines = 1);
// The probability of ever losing bankroll total bets.
double LifetimeRuin(double exponent, double bankroll);
// The bankroll in total bets whose lifetime ruin is the probability given;
// infinity when the exponent is 0.
double BankrollForRuin(double exponent, double probability);

// The bankroll after each hand of a session, for sessions that stop at ruin.
struct SessionPoint {
    int hand = 0;
    // Quantiles of the result (bankroll now minus the start) in total bets.
    double low = 0;    // 5th percentile
    double median = 0; // 50th
    double high = 0;   // 95th
    double ruin = 0;   // the probability of having been ruined by this hand
};
struct SessionFigures {
    double ruin = 0; // by the last hand
    std::vector<SessionPoint> points;
};
// A session of hands with a bankroll of whole total bets; points: how many
// evenly spaced hands to report (the last hand always among them). For one line
// the distribution of the bankroll is followed exactly, hand by hand (ruin when
// it falls below one bet). For more lines an exact chain would follow the
// L-line total of every deal, up to L times the top pay, over thousands of
// bankrolls per hand, far too slow; the bankroll is taken as a Brownian motion
// with the lines' mean and variance, its ruin held to the exact lifetime ruin.
// The cashback is left out: it is paid after the session.
SessionFigures SessionSpread(const PlayFigures& play, int lines, std::int64_t bankroll, int hands,
                             int points);

// --- Everything together ------------------------------------------------------

struct BankrollInputs {
    std::int64_t bankroll = 4000; // credits
    int hands = 1000;             // per session
    double cashback = 0;          // per cent of each bet
    int lines = 1;
};
inline constexpr std::array<int, 6> kLineChoices{1, 3, 5, 10, 50, 100};
inline constexpr std::array<double, 3> kRuinTargets{0.01, 0.05, 0.10};

// The bankroll figures of one way of playing.
struct RiskFigures {
    double totalBet = 0;     // credits per deal: lines times coins
    double lineVariance = 0; // per unit of the total bet
    double exponent = 0;
    double lifetimeRuin = 0;
    std::array<double, kRuinTargets.size()> bankrollFor{}; // credits
    SessionFigures session;
};
RiskFigures RiskOf(const PlayFigures& play, const TableInForce& table, const BankrollInputs& inputs,
                   int sessionPoints);

// The lifetime ruin against the bankroll in credits, points + 1 evenly spaced
// bankrolls from 0 to the larger of twice the bankroll given and the bankroll of
// 1 % ruin (when that is finite).
struct CurvePoint {
    double bankroll = 0;
    double ruin = 0;
};
std::vector<CurvePoint> RuinCurve(const RiskFigures& risk, double bankroll, int points);

// Why bankroll inputs cannot be used, or empty when they can.
std::string InputsProblem(const BankrollInputs& inputs);

// The figures as text, the form quintaro-advise --analyse prints.
std::string FiguresText(const TableInForce& table, const std::string& tableName,
                        const TableFigures& figures, const BankrollInputs& inputs);

} // namespace quintaro::analysis
