#pragma once
// The figures of the training progress window, read from the training record:
// accuracy and credits lost per 100 decisions over time (one point per day or
// per session of play), the grades per game, and the kinds of hands that cost
// the most, a kind being the strategy list's entry of the dealt hand.
//
// Reading and figuring are plain functions so the window can run them on a
// worker thread and a test can run them on known rows.
//
// Usage:
//     ProgressRecord record = ReadProgressRecord(path);   // worker thread
//     ProgressFigures f = BuildProgress(record, ProgressFilter{.game = 0});

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "record/training_record.h"

namespace quintaro {

// Rows further apart than this belong to different sessions of play.
inline constexpr std::int64_t kSessionGapSeconds = 30 * 60;

// The strategy list's entry (1-based) of a row's dealt hand, for the row's game
// and pay-table choice; 0 when the game is not one of the nine or the row was
// played on a named table (whose list's entries are not the built-in lists').
int StrategyEntryOf(const DecisionRow& row);

// The text of an entry of a game's list, empty for a position the list lacks.
std::string EntryText(int game, int payTable, int entry);

// Seconds since 1970 of a stored time "2026-12-07T11:20:33Z"; nothing for any
// other text.
std::optional<std::int64_t> ParsePlayedAt(const std::string& text);

// Every row of the record with the entry of each mistaken hand.
struct ProgressRecord {
    std::vector<DecisionRow> rows;        // in the order they were appended
    std::vector<std::int16_t> entries;    // per row: the entry when a mistake, else 0
    std::optional<std::string> readError; // set when the record could not be read
};

// Works out the entries of the mistaken rows.
ProgressRecord MakeProgressRecord(std::vector<DecisionRow> rows);
// Reads the record at `path` without writing to it. A missing file is an empty
// record; a file that cannot be read gives readError and no rows.
ProgressRecord ReadProgressRecord(const std::filesystem::path& path);

struct ProgressFilter {
    std::optional<int> game{};     // nothing: every game
    std::optional<int> payTable{}; // only counts with a game; a built-in table
    // A named table of the game: its pays, and its name in tableName (a table
    // edited since is another table); payTable is then unused.
    std::optional<PaySchedule> pays{};
    std::string tableName{};
    enum class Span { Day, Session } span = Span::Day;
    bool drillApart = true; // false: drill answers are left out
    bool operator==(const ProgressFilter&) const = default;
};

// One point of the chart: the decisions of a day or of a session.
struct ProgressPeriod {
    std::string label; // "2026-12-07", or "2026-12-07 11:20" for a session's start
    Grades table;
    Grades drill;
};

// Credits lost per 100 decisions; nothing with no decisions.
std::optional<double> LostPerHundred(const Grades& grades);

// A kind of hand that was misplayed at the table: an entry of one list.
struct CostlyKind {
    int game = 0;
    int payTable = 0;
    int entry = 0;
    std::string name; // the entry's text in its list
    std::int64_t count = 0;
    double creditsLost = 0;
    double AverageCost() const { return count ? creditsLost / static_cast<double>(count) : 0; }
};

struct ProgressFigures {
    std::vector<ProgressPeriod> periods;       // oldest first
    std::vector<CostlyKind> kinds;             // costliest first
    std::array<Grades, kGameCount> gameGrades; // table decisions per game, whole record
    Grades shown;                              // table decisions that match the filter
    Grades WholeRecord() const;
};

// The figures of the rows that match the filter (the grades per game are
// always over every table row). Kinds count table mistakes only.
ProgressFigures BuildProgress(const ProgressRecord& record, const ProgressFilter& filter);

// The named tables of the rows of one game, in the order they were first played.
std::vector<NamedPayTable> NamedTablesOf(const std::vector<DecisionRow>& rows, int game);

// The mistaken rows of one kind, as the mistakes window lists them.
bool IsOfKind(const DecisionRow& row, int game, int payTable, int entry);

} // namespace quintaro
