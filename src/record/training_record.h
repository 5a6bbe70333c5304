#pragma once
// The training record: every decision of the player, kept for good in an
// SQLite database (table `decisions`), with the grades and the lists of
// mistakes read back from it.
//
// The record never stops the game. When the database cannot be used (a
// folder that cannot be written, a damaged or foreign file, a database held
// by another running copy, a full disk) the record gives up for the rest of
// the run and says so once through its notice sink. A damaged or foreign file
// is moved aside under a dated name and a fresh database is started in its
// place; nothing that was written is ever deleted.
//
// Usage:
//     TrainingRecord record(path, [](const std::string& text) { show(text); });
//     DecisionRow row = ...;           // values filled in by DecisionWriter
//     record.Append(row);              // committed when it returns
//     Grades all = record.Grade(RowQuery{.game = 0});

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/card.h"
#include "core/game_variant.h"
#include "core/named_pay_table.h"
#include "record/decision.h"

struct sqlite3;

namespace quintaro {

// The database's file name inside the user's data folder.
inline constexpr const char* kTrainingRecordFileName = "training.sqlite3";
// The schema this program writes; older databases are migrated forward on open.
inline constexpr int kRecordSchemaVersion = 3;

// One row of `decisions`.
struct DecisionRow {
    std::int64_t id = 0;
    std::string playedAt; // UTC, "2026-12-07T11:20:33Z"; filled in by Append when empty
    int game = 0;
    int payTable = 0;
    // A named table's name and pays as they were when the hand was played;
    // empty and none for a built-in table.
    std::string tableName;
    std::optional<PaySchedule> pays;
    int coins = 1;
    std::array<Card, 5> dealt{};
    int held = 0;
    int listHold = 0;
    int bestHold = 0;
    double evHeld = 0; // expected returns in credits for the coins bet
    double evList = 0;
    double evBest = 0;
    DecisionMode mode = DecisionMode::Normal;
    bool perfectPlay = false;
    DecisionSource source = DecisionSource::Table;

    // Whether the row was played on this named table (name and pays alike).
    bool OnTable(const NamedPayTable& table) const {
        return game == table.game && pays && *pays == table.pays && tableName == table.name;
    }
    // What the hold gave away against the best, in credits.
    double Cost() const { return evBest - evHeld; }
    // Worth less than the best by more than 1e-9 per coin.
    bool IsMistake() const;
};

// "9,22,35,48,10" and back; Parse fails on anything but five distinct cards.
std::string FormatDealt(const std::array<Card, 5>& cards);
bool ParseDealt(const std::string& text, std::array<Card, 5>& cards);

// A schedule as the record keeps it, every entry of the row paid below five
// coins, then of the row paid at five: "0,1,2,...,250/0,1,2,...,800"; and back.
std::string SchedulePaysText(const PaySchedule& pays);
std::optional<PaySchedule> ParseSchedulePays(const std::string& text);

// Decisions, mistakes, credits lost and accuracy over a set of rows.
struct Grades {
    std::int64_t decisions = 0;
    std::int64_t mistakes = 0;
    double creditsLost = 0;
    double valueHeld = 0; // the sum of the holds' values
    double valueBest = 0; // the sum of the best holds' values

    void Add(const DecisionRow& row);
    Grades& operator+=(const Grades& other);
    // valueHeld / valueBest in per cent; nothing while no decision is graded.
    std::optional<double> Accuracy() const;
    // "99.12%", or "-" with nothing graded.
    std::string AccuracyText() const;
    // Credits lost with two decimals, "12.34".
    std::string CreditsLostText() const;
};
Grades GradeRows(const std::vector<DecisionRow>& rows);

// Which rows a query reads. Unset fields match everything.
struct RowQuery {
    std::optional<int> game{};
    std::optional<int> payTable{}; // a built-in table: rows on named tables are left out
    // A named table by its name and pays (and game); payTable is then unused.
    std::optional<NamedPayTable> named{};
    std::optional<DecisionSource> source = DecisionSource::Table;
    bool mistakesOnly = false;
    // Oldest: by id; Newest: by time played, latest first; Costliest: by cost.
    enum class Order { Oldest, Newest, Costliest } order = Order::Oldest;
    int limit = 0; // 0: no limit
};

class TrainingRecord {
public:
    using NoticeSink = std::function<void(const std::string& text)>;

    struct Options {
        // How long a write waits for another copy that holds the database.
        int busyTimeoutMs = 1500;
        // Caps the database's pages (tests use it to run out of room).
        int maxPageCount = 0;
        // Reads only: nothing is migrated, moved or written (the summary tool).
        bool readOnly = false;
    };

    // An empty path keeps no record and reports nothing.
    TrainingRecord(std::filesystem::path path, NoticeSink notice);
    TrainingRecord(std::filesystem::path path, NoticeSink notice, Options options);
    ~TrainingRecord();
    TrainingRecord(const TrainingRecord&) = delete;
    TrainingRecord& operator=(const TrainingRecord&) = delete;

    // Whether rows are being written.
    bool Usable() const { return db_ != nullptr; }
    const std::filesystem::path& Path() const { return path_; }
    // Where a damaged file was moved, when it was.
    const std::filesystem::path& MovedAside() const { return movedAside_; }
    // The schema version found on open, before migration (0 for a new file).
    int FoundVersion() const { return foundVersion_; }

    // Commits one row; fills in id and playedAt. False once the record has
    // given up (the row is then not kept, and the game goes on).
    bool Append(DecisionRow& row);

    std::vector<DecisionRow> Rows(const RowQuery& query) const;
    // The named tables decisions were made on, of one game or of all, in the
    // order they were first played.
    std::vector<NamedPayTable> NamedTables(std::optional<int> game) const;
    Grades Grade(const RowQuery& query) const;
    // Table decisions of this run, per game, as they were appended.
    const Grades& SessionGrades(int game) const;
    Grades SessionGrades() const;

private:
    bool Open();
    int Prepare();
    int Migrate();
    void GiveUp(const std::string& text);
    void Tell(const std::string& text);
    void Close();
    bool MoveAside();

    std::filesystem::path path_;
    NoticeSink notice_;
    Options options_;
    sqlite3* db_ = nullptr;
    bool noticeGiven_ = false;
    int foundVersion_ = 0;
    std::filesystem::path movedAside_;
    std::array<Grades, kGameCount> session_{};
};

// The UTC time as ISO 8601, "2026-12-07T11:20:33Z".
std::string UtcTimestamp();

} // namespace quintaro
