#pragma once
// Pay tables: per game fourteen per-coin payouts, two selectable tables per game
// that differ in a few entries, and the royal rule that lifts the top hand at
// five coins. A game's row always holds the values in force.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/evaluation.h"
#include "core/game_variant.h"

namespace quintaro {

inline constexpr int kPayRowSize = 14;
using PayRow = std::array<std::int32_t, kPayRowSize>;

// One entry that the second pay table of a game sets differently.
struct PayDifference {
    HandCategory category;
    std::int32_t first;
    std::int32_t second;
};

struct PayTableSet {
    PayRow firstTable; // top entries hold the one-coin royal values
    std::array<PayDifference, 4> differences;
    int differenceCount;
    std::array<std::string_view, 2> menuCaptions; // items of the game's pay-table menu
    std::array<std::string_view, 2> shortNames;   // used in strategy-table titles
};

const PayTableSet& PayTableSetFor(int game);
std::string_view PayTableMenuCaption(int game, int choice);
std::string_view PayTableShortName(int game, int choice);

// The per-coin payouts of one pay table at every bet: the row paid at one to
// four coins and the row paid at five, which differ only where the royal rule
// lifts the top rows. The exact engine and the advisor price a table through it.
struct PaySchedule {
    PayRow belowFive{};
    PayRow atFive{};
    const PayRow& PerCoin(int coins) const { return coins == 5 ? atFive : belowFive; }
    bool operator==(const PaySchedule&) const = default;
};

// The rows changed by switching a game's pay table.
struct ChangedRows {
    std::array<HandCategory, 4> rows{};
    int count = 0;
};

// The nine rows in force. The program uses one instance (ThePayTables); tests
// may make their own.
class PayTables {
public:
    PayTables();

    const PayRow& Row(int game) const { return rows_[static_cast<std::size_t>(game)]; }

    // Writes the first (0) or second (1) table's values into the entries that
    // differ; every other entry is left alone (after a named table, the whole
    // row is the built-in table's again).
    ChangedRows Apply(int game, int choice);
    // Puts a named table in force for a game: its row at one coin now, and the
    // royal rule then writes the schedule's row for the coins bet.
    void ApplySchedule(int game, const PaySchedule& pays);
    // The named table's schedule in force, or null for a built-in table.
    const PaySchedule* ScheduleInForce(int game) const {
        const auto& s = named_[static_cast<std::size_t>(game)];
        return s ? &*s : nullptr;
    }

    // Rewrites the top entries from the coins bet: 800 per coin at five coins,
    // else 250 (Triple Double Bonus: 400, for the royal and four Aces with a kicker).
    void ApplyRoyalRule(int game, int coins);

    // A payout is the entry of the category times the coins bet.
    std::int32_t Payout(int game, HandCategory category, int coins) const;

    // A pay-table panel cell: the entry of a row times the coin column 1..5.
    std::int32_t Cell(int game, HandCategory row, int coins) const {
        return Payout(game, row, coins);
    }

private:
    std::array<PayRow, kGameCount> rows_;
    std::array<std::optional<PaySchedule>, kGameCount> named_;
};

PayTables& ThePayTables();

// A built-in table (choice 0 or 1) of a game.
PaySchedule BuiltInSchedule(int game, int choice);
// A table given as paid at five coins; below five coins its top rows follow
// the game's royal rule, as the built-in tables' do.
PaySchedule ScheduleFromFiveCoinPays(int game, const PayRow& atFive);

// A pay row of one's own is whole numbers from 0 to this per coin at five coins.
inline constexpr std::int32_t kMaxPayPerCoin = 99'999;
// The number of paying categories of a game (every category but "no win").
int PayingCategoryCount(int game);
// Why a row given as paid at five coins cannot be played, or empty when it can:
// each paying category 0..kMaxPayPerCoin per coin, at least one paying.
std::string FiveCoinPaysProblem(int game, const PayRow& atFive);
// Reads "P1,P2,...": the payout per coin at five coins of each paying category
// of a game, the lowest paying hand first. On a bad value, a wrong count or a
// row that pays nothing, gives nothing and says why in error.
std::optional<PaySchedule> ParseFiveCoinPays(int game, std::string_view text, std::string& error);
// The row paid at five coins in the form ParseFiveCoinPays reads.
std::string FiveCoinPaysText(int game, const PayRow& atFive);

} // namespace quintaro
