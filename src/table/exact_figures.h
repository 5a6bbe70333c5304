#pragma once
// The exact engine's answers put into the words and rows the windows show:
// the figures of a stopped draw, the rows of the hold values, the returns of
// a pay table, and a program-wide store of those returns, which take long to
// work out and are computed once per game, pay table and coins.

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "exact/exact_analysis.h"
#include "table/round_ports.h"

namespace quintaro {

// "1.23": credits with two decimals.
std::string CreditsText(double credits);

// The mistake panel's lines: the figures in credits for the coins bet, and a
// plain word when the player's hold is as good as the list's or better
// (empty otherwise).
struct MistakeFigureText {
    std::string figures;
    std::string verdict;
};
MistakeFigureText MistakeText(const MistakeFigures& figures);

// One hold of the hold values view.
struct HoldValueRow {
    exact::HoldMask hold = 0;
    double perCoin = 0;
    double credits = 0;   // for the coins bet
    double shortfall = 0; // per coin, short of the best
    bool best = false;
    bool list = false;   // the strategy list's hold
    bool player = false; // the player's own hold
};
// The 32 holds, best first (equal values in mask order).
std::vector<HoldValueRow> HoldValueRows(const exact::HoldValues& values, exact::HoldMask listHold,
                                        int playerHold);

// "This list returns 99.5429 %, perfect play 99.5439 %".
std::string ReturnCaption(const exact::PayTableReturn& r);

// Returns of pay tables by game, choice and coins, shared between threads.
class ReturnStore {
public:
    std::optional<exact::PayTableReturn> Find(int game, int choice, int coins) const;
    // Whether the caller should compute this return: true once per key, until
    // it is stored.
    bool Claim(int game, int choice, int coins);
    void Store(int game, int choice, int coins, const exact::PayTableReturn& r);

private:
    using Key = std::tuple<int, int, int>;
    mutable std::mutex mutex_;
    std::map<Key, std::optional<exact::PayTableReturn>> entries_;
};

// The program's store (lives until the program ends).
ReturnStore& TheReturnStore();

} // namespace quintaro
