#pragma once
// Pay tables with a name beyond the two built-in tables of a game: the
// catalogue of well-known tables that ships with the program, and the
// player's own. A named table pays per coin per category at one to four
// coins, and may pay more per coin at five coins on the rows the game's royal
// rule lifts (by default exactly as the royal rule does).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/pay_table.h"

namespace quintaro {

struct NamedPayTable {
    int game = 0;
    std::string name;
    PaySchedule pays;
    bool operator==(const NamedPayTable&) const = default;
};

// The longest name of a table.
inline constexpr std::size_t kMaxPayTableName = 40;

// The rows whose pay at five coins may differ from the pay at fewer coins:
// the rows the game's royal rule rewrites (the royal flush; in Triple Double
// Bonus also four Aces with a Two to Four kicker).
std::vector<HandCategory> FiveCoinRows(int game);
bool IsFiveCoinRow(int game, HandCategory row);

// Why a name cannot name a table: empty, too long, a line break or another
// control character, or blanks at its ends. Empty when it can.
std::string PayTableNameProblem(std::string_view name);
// Why a schedule cannot be played: every paying category 0..kMaxPayPerCoin at
// every bet, at least one paying, and the two rows differing only on the
// five-coin rows. Empty when it can.
std::string PayScheduleProblem(int game, const PaySchedule& pays);
// The name's problem, else the schedule's; an invalid game is a problem too.
std::string NamedPayTableProblem(const NamedPayTable& table);

// A schedule from the per-coin pays at one to four coins, the top rows at five
// coins following the game's royal rule (a royal flush of 250 per coin pays
// 800 per coin at five, any other royal pay stays as it is).
PaySchedule ScheduleFromPerCoinPays(int game, const PayRow& belowFive);

// The well-known tables that ship with the program, at least three per game,
// none of them one of the two built-in tables.
std::span<const NamedPayTable> PayCatalogue();
// The catalogue's tables of one game, in catalogue order.
std::vector<const NamedPayTable*> CatalogueTablesFor(int game);
// A catalogue table of a game by name (ASCII case ignored), or null.
const NamedPayTable* FindCatalogueTable(int game, std::string_view name);

// The name of a built-in table (its menu caption or short name) or of a
// catalogue table of the game: names a table of one's own may not take.
bool IsBuiltInTableName(int game, std::string_view name);

} // namespace quintaro
