#pragma once
// The eighteen strategy lists: two per game, one for each pay table. A list is
// a ranked sequence of hold patterns with the expected value per coin of each,
// numbered from 1; slot 0 of every list is a blank entry that is never shown
// and never matched. The lists are constant data compiled into the program.

#include <array>
#include <cstdint>
#include <string>

#include "strategy/entry_id.h"

namespace quintaro {

struct StrategyEntry {
    const char* name; // display text of the pattern
    float ev;         // expected return per coin of a five-coin bet
    EntryId id;       // the same pattern under the same id in every list
};

inline constexpr int kStrategyListCount = 18;
inline constexpr int kMaxStrategyEntries = 61;

struct StrategyList {
    std::int32_t game;          // 0..8
    std::int32_t choice;        // pay-table choice 0 or 1
    std::int32_t count;         // N, the number of real entries
    const StrategyEntry* slots; // N + 1 slots; slot 0 is the blank entry
    // Position of every entry id in this list, 0 when the list lacks it.
    std::array<std::uint8_t, kEntryIdCount> positions;

    // Name and ev of a 1-based position (0 gives the blank entry).
    const StrategyEntry& Entry(std::int32_t position) const { return slots[position]; }
    std::int32_t PositionOf(EntryId id) const { return positions[static_cast<std::size_t>(id)]; }
};

// N of every list, indexed by game * 2 + choice.
extern const std::array<std::int32_t, kStrategyListCount> kStrategyCounts;

// The list of a game (0..8) and pay-table choice (0 or 1; any other value
// counts as 1, the way a nonzero AltPayTable byte does).
const StrategyList& StrategyListFor(int game, int choice);
std::int32_t StrategyCount(int game, int choice);

// The value of an entry for the coins bet (1..5), the one rule behind the
// strategy table, the hand builder and the command-line advisor: coins times
// ev in extended precision, except that the top row (the royal) shows its
// five-coin rate, 4000, at five coins.
long double EntryValue(const StrategyList& list, std::int32_t position, int coins);

// "##0.0000": four decimals and at least one integer digit.
std::string FormatStrategyValue(long double value);

// One line of the strategy table: rank, name padded to 33 characters, value
// with four decimals ("   %2d   %-33s %9.4f").
std::string StrategyTableLine(const StrategyList& list, std::int32_t position, int coins);

} // namespace quintaro
