// The training record on disk: rows written and read back, the values of the
// writer against the engine, a kill right after a write, and every way the
// database can fail without losing what it holds.

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <fstream>
#include <tuple>

#include <sys/wait.h>
#include <unistd.h>

#include "../shell/test_files.h"
#include "exact/exact_analysis.h"
#include "generate/list_return.h"
#include "record/decision_writer.h"
#include "record/progress.h"
#include "record/training_record.h"

namespace quintaro {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDir;

// A row with chosen values (in credits) and everything else plain.
DecisionRow Row(int game, double held, double best, int coins = 5,
                DecisionSource source = DecisionSource::Table, int first = 0) {
    DecisionRow r;
    r.game = game;
    r.coins = coins;
    r.dealt = {first, first + 1, first + 2, first + 3, first + 4};
    r.held = held == best ? 3 : 1;
    r.bestHold = 3;
    r.listHold = 3;
    r.evHeld = held;
    r.evList = best;
    r.evBest = best;
    r.source = source;
    return r;
}

// Opens a record that counts its notices.
struct Opened {
    std::vector<std::string> notices;
    std::unique_ptr<TrainingRecord> record;
    Opened(const fs::path& path, TrainingRecord::Options options = {}) {
        record = std::make_unique<TrainingRecord>(
            path, [this](const std::string& t) { notices.push_back(t); }, options);
    }
};

std::int64_t CountRows(const fs::path& path) {
    sqlite3* db = nullptr;
    std::int64_t n = -1;
    if (sqlite3_open_v2(path.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM decisions", -1, &st, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int64(st, 0);
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return n;
}

// A record with three table rows, closed again.
fs::path ThreeRows(const fs::path& dir) {
    const fs::path path = dir / kTrainingRecordFileName;
    TrainingRecord record(path, {});
    for (int i = 0; i < 3; ++i) {
        DecisionRow r = Row(0, 4.0, 4.0 + i, 5, DecisionSource::Table, i * 5);
        EXPECT_TRUE(record.Append(r));
    }
    return path;
}

TEST(TrainingRecord, RowsRoundTripWithEveryColumn) {
    ScratchDir dir;
    const fs::path path = dir.path() / "sub" / kTrainingRecordFileName;
    std::vector<DecisionRow> written;
    {
        Opened o(path);
        ASSERT_TRUE(o.record->Usable());
        EXPECT_EQ(o.record->FoundVersion(), 0);
        DecisionRow a = Row(3, 1.25, 2.5, 2);
        a.payTable = 1;
        a.mode = DecisionMode::ShowMistakes;
        a.perfectPlay = true;
        a.dealt = {51, 0, 13, 7, 22};
        a.held = 0b10010;
        DecisionRow b = Row(3, 2.0, 2.0, 5, DecisionSource::Drill);
        ASSERT_TRUE(o.record->Append(a));
        ASSERT_TRUE(o.record->Append(b));
        EXPECT_TRUE(ParsePlayedAt(a.playedAt)) << a.playedAt; // 2026-12-07T11:20:33Z
        written = {a, b};
        EXPECT_TRUE(o.notices.empty());
    }
    Opened again(path);
    RowQuery all;
    all.source.reset();
    const auto rows = again.record->Rows(all);
    ASSERT_EQ(rows.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const DecisionRow& w = written[i];
        const DecisionRow& r = rows[i];
        EXPECT_EQ(
            std::tie(r.id, r.playedAt, r.game, r.payTable, r.coins, r.dealt, r.held, r.listHold,
                     r.bestHold, r.evHeld, r.evList, r.evBest, r.mode, r.perfectPlay, r.source),
            std::tie(w.id, w.playedAt, w.game, w.payTable, w.coins, w.dealt, w.held, w.listHold,
                     w.bestHold, w.evHeld, w.evList, w.evBest, w.mode, w.perfectPlay, w.source));
    }
    // The columns are named as players' tools expect them, in the WAL journal.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
    const char* sql = "SELECT id, played_at, game, pay_table, coins, dealt, held, list_hold, "
                      "best_hold, ev_held, ev_list, ev_best, mode, perfect_play, source FROM "
                      "decisions WHERE source = 'drill'";
    sqlite3_stmt* st = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_finalize(st);
    ASSERT_EQ(sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &st, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)), "wal");
    sqlite3_finalize(st);
    sqlite3_close(db);
}

// A folder that cannot be written: no record, one notice, no crash, and a
// database already there keeps its rows.
TEST(TrainingRecordFailures, ReadOnlyFolder) {
    ScratchDir dir;
    const fs::path empty = dir.path() / "empty";
    const fs::path full = dir.path() / "full";
    fs::create_directories(empty);
    fs::create_directories(full);
    const fs::path kept = ThreeRows(full);
    for (const fs::path& folder : {empty, full})
        fs::permissions(folder, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::permissions(dir.path(), fs::perms::others_exec | fs::perms::others_read,
                    fs::perm_options::add);
    for (const fs::path& folder : {empty, full}) {
        SCOPED_TRACE(folder.string());
        const int code = testing::AsOrdinaryUser([&] {
            Opened o(folder / kTrainingRecordFileName);
            DecisionRow r = Row(0, 1, 1);
            const bool appended = o.record->Append(r);
            const bool appendedAgain = o.record->Append(r);
            if (o.record->Usable() || appended || appendedAgain) return 1;
            if (o.notices.size() != 1) return 2;
            if (o.notices[0].find("cannot") == std::string::npos &&
                o.notices[0].find("in use") == std::string::npos)
                return 3;
            return 0;
        });
        EXPECT_EQ(code, 0);
    }
    EXPECT_FALSE(fs::exists(empty / kTrainingRecordFileName));
    EXPECT_EQ(CountRows(kept), 3);
}

// A damaged database and a file that is no database at all are moved aside
// under a dated name, byte for byte, and a fresh record starts in their place.
TEST(TrainingRecordFailures, DamagedOrForeignFilesAreMovedAside) {
    for (const bool foreign : {false, true}) {
        SCOPED_TRACE(foreign);
        ScratchDir dir;
        fs::path path = dir.path() / kTrainingRecordFileName;
        if (foreign) {
            std::ofstream(path) << "Quintaro notes: these are not decisions.\n"
                                << std::string(5000, 'x');
        } else {
            path = ThreeRows(dir.path());
            // Checkpointed by the close; scribble over the table's page.
            std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
            f.seekp(4096 + 8);
            const std::string junk(600, '\x7f');
            f.write(junk.data(), static_cast<std::streamsize>(junk.size()));
        }
        const std::string before = testing::ReadFile(path);
        Opened o(path);
        ASSERT_EQ(o.notices.size(), 1u);
        EXPECT_NE(o.notices[0].find("moved"), std::string::npos) << o.notices[0];
        const fs::path aside = o.record->MovedAside();
        ASSERT_FALSE(aside.empty());
        EXPECT_NE(aside.filename().string().find("training.sqlite3.damaged-20"), std::string::npos);
        EXPECT_EQ(testing::ReadFile(aside), before);
        ASSERT_TRUE(o.record->Usable());
        DecisionRow r = Row(1, 2, 2);
        EXPECT_TRUE(o.record->Append(r));
        EXPECT_EQ(o.record->Rows({}).size(), 1u);
        EXPECT_EQ(o.notices.size(), 1u);
    }
}

// A database of the first schema (before Perfect Play and drills) is brought
// forward on open; its rows read as table decisions without Perfect Play.
TEST(TrainingRecordFailures, OldSchemaIsMigratedForward) {
    ScratchDir dir;
    const fs::path path = dir.path() / kTrainingRecordFileName;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.string().c_str(), &db), SQLITE_OK);
    const char* v1 =
        "CREATE TABLE decisions (id INTEGER PRIMARY KEY, played_at TEXT NOT NULL, game INTEGER "
        "NOT NULL, pay_table INTEGER NOT NULL, coins INTEGER NOT NULL, dealt TEXT NOT NULL, held "
        "INTEGER NOT NULL, list_hold INTEGER NOT NULL, best_hold INTEGER NOT NULL, ev_held REAL "
        "NOT NULL, ev_list REAL NOT NULL, ev_best REAL NOT NULL, mode INTEGER NOT NULL);"
        "INSERT INTO decisions VALUES (1, '2026-01-02T03:04:05Z', 5, 1, 5, '1,2,3,4,5', 3, 3, 7, "
        "2.5, 2.5, 3.0, 1);"
        "PRAGMA user_version = 1;";
    ASSERT_EQ(sqlite3_exec(db, v1, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    Opened o(path);
    ASSERT_TRUE(o.record->Usable());
    EXPECT_TRUE(o.notices.empty());
    EXPECT_EQ(o.record->FoundVersion(), 1);
    auto rows = o.record->Rows({});
    ASSERT_EQ(rows.size(), 1u);
    const DecisionRow& old = rows[0];
    EXPECT_EQ(std::make_tuple(old.playedAt, old.game, old.mode, old.perfectPlay, old.source),
              std::make_tuple(std::string("2026-01-02T03:04:05Z"), 5, DecisionMode::AutoHold, false,
                              DecisionSource::Table));
    EXPECT_TRUE(old.tableName.empty() && !old.pays);
    EXPECT_EQ(o.record->Rows({.payTable = 1}).size(), 1u); // a built-in table's row
    DecisionRow r = Row(5, 1, 1, 5, DecisionSource::Drill);
    EXPECT_TRUE(o.record->Append(r));
    o.record.reset();
    Opened again(path);
    EXPECT_EQ(again.record->FoundVersion(), kRecordSchemaVersion);
    EXPECT_EQ(CountRows(path), 2);
}

// A decision on a named table keeps the table's name and pays as they were:
// its values stay when the table is edited (same name, other pays) or deleted,
// and queries, grades and progress tell it from the built-in tables and from
// its edited self.
TEST(TrainingRecord, NamedTableDecisionsKeepTheirTable) {
    ScratchDir dir;
    const fs::path path = dir.path() / kTrainingRecordFileName;
    // Jacks or Better paying double everywhere, then edited to pay more for a flush.
    NamedPayTable doubled{0, "Double pay", BuiltInSchedule(0, 0)};
    for (PayRow* row : {&doubled.pays.belowFive, &doubled.pays.atFive})
        for (auto& pay : *row) pay *= 2;
    NamedPayTable edited = doubled;
    edited.pays.belowFive[5] += 3; // the flush
    edited.pays.atFive[5] += 3;
    const std::array<Card, 5> dealt = {0, 13, 26, 9, 22};
    Decision d;
    d.game = 0;
    d.coins = 5;
    d.dealt = dealt;
    d.held = 0b00111;
    std::vector<DecisionRow> written;
    {
        TrainingRecord record(path, {});
        DecisionWriter writer(record);
        writer.HandDealt(0, 0, 5, dealt);
        writer.HandDrawn(d); // a built-in row
        d.tableName = doubled.name;
        d.pays = doubled.pays;
        writer.NamedHandDealt(0, doubled.pays, 5, dealt);
        writer.HandDrawn(d);
        d.held = 0b00011;
        written.push_back(*writer.Record(d));
        d.tableName = edited.name;
        d.pays = edited.pays;
        written.push_back(*writer.Record(d));
    }
    TrainingRecord record(path, {});
    const exact::HoldValues builtIn = exact::AnalyseHolds(0, 0, 5, dealt);
    const exact::HoldValues twice = exact::AnalyseHolds(0, doubled.pays, 5, dealt);
    RowQuery named;
    named.named = doubled;
    const auto rows = record.Rows(named);
    ASSERT_EQ(rows.size(), 2u);
    for (const DecisionRow& r : rows) {
        EXPECT_EQ(r.tableName, "Double pay");
        EXPECT_EQ(r.pays, doubled.pays);
        EXPECT_DOUBLE_EQ(r.evHeld, twice.Credits(static_cast<exact::HoldMask>(r.held)));
        EXPECT_DOUBLE_EQ(r.evBest, twice.Credits(twice.best));
        EXPECT_EQ(r.listHold, twice.best); // no list for the table: perfect play
    }
    EXPECT_DOUBLE_EQ(rows[0].evHeld, 2 * builtIn.Credits(0b00111));
    RowQuery plain;
    plain.payTable = 0;
    ASSERT_EQ(record.Rows(plain).size(), 1u);
    EXPECT_FALSE(record.Rows(plain)[0].pays);
    EXPECT_DOUBLE_EQ(record.Rows(plain)[0].evHeld, builtIn.Credits(0b00111));
    named.named = edited;
    EXPECT_EQ(record.Rows(named).size(), 1u);
    EXPECT_EQ(record.Grade(named).decisions, 1);
    EXPECT_EQ(record.NamedTables(0), (std::vector<NamedPayTable>{doubled, edited}));
    EXPECT_TRUE(record.NamedTables(1).empty());

    const ProgressRecord all = MakeProgressRecord(record.Rows({}));
    const auto shown = [&](ProgressFilter f) { return BuildProgress(all, f).shown.decisions; };
    EXPECT_EQ(shown({.game = 0}), 4);
    EXPECT_EQ(shown({.game = 0, .payTable = 0}), 1);
    EXPECT_EQ(shown({.game = 0, .payTable = 1}), 0);
    EXPECT_EQ(shown({.game = 0, .pays = doubled.pays, .tableName = doubled.name}), 2);
    EXPECT_EQ(shown({.game = 0, .pays = doubled.pays, .tableName = "Renamed"}), 0);
    EXPECT_EQ(NamedTablesOf(all.rows, 0), (std::vector<NamedPayTable>{doubled, edited}));
}

// Another copy holding the database: the open, or a later write, waits for the
// busy timeout and then gives up, once; the rows stay.
TEST(TrainingRecordFailures, LockedByAnotherCopy) {
    for (const bool whileOpen : {false, true}) {
        SCOPED_TRACE(whileOpen);
        ScratchDir dir;
        const fs::path path = ThreeRows(dir.path());
        std::unique_ptr<Opened> early;
        if (whileOpen) early = std::make_unique<Opened>(path, TrainingRecord::Options{100, 0});
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(path.string().c_str(), &other), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        Opened late(path, TrainingRecord::Options{100, 0});
        Opened& o = whileOpen ? *early : late;
        if (whileOpen) {
            EXPECT_TRUE(late.record->Usable() == false);
            DecisionRow r = Row(0, 1, 1);
            EXPECT_FALSE(o.record->Append(r));
            EXPECT_FALSE(o.record->Append(r));
        }
        EXPECT_FALSE(o.record->Usable());
        ASSERT_EQ(o.notices.size(), 1u);
        EXPECT_NE(o.notices[0].find("another running copy"), std::string::npos) << o.notices[0];
        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        EXPECT_EQ(CountRows(path), 3);
    }
}

// A full disk stops the record once; every row written before stays.
TEST(TrainingRecordFailures, FullDiskKeepsWhatWasWritten) {
    ScratchDir dir;
    const fs::path path = dir.path() / kTrainingRecordFileName;
    Opened o(path, TrainingRecord::Options{100, 8});
    ASSERT_TRUE(o.record->Usable());
    int written = 0;
    for (int i = 0; i < 5000 && o.record->Usable(); ++i) {
        DecisionRow r = Row(0, 1, 1, 5, DecisionSource::Table, i % 40);
        if (o.record->Append(r)) ++written;
    }
    EXPECT_FALSE(o.record->Usable());
    ASSERT_EQ(o.notices.size(), 1u);
    EXPECT_NE(o.notices[0].find("disk is full"), std::string::npos) << o.notices[0];
    EXPECT_GT(written, 10);
    o.record.reset();
    EXPECT_EQ(CountRows(path), written);
}

// The grades of a known set of rows: decisions, mistakes, credits lost and
// accuracy, for a game, the run and the whole record; drill rows stay apart.
TEST(Grades, KnownRows) {
    ScratchDir dir;
    const fs::path path = dir.path() / kTrainingRecordFileName;
    {
        TrainingRecord earlier(path, {});
        DecisionRow old = Row(0, 2.0, 5.0); // a mistake of 3 credits in an earlier run
        ASSERT_TRUE(earlier.Append(old));
    }
    TrainingRecord record(path, {});
    std::vector<DecisionRow> rows = {
        Row(0, 4.0, 4.0),                           // best
        Row(0, 3.0, 4.0),                           // a mistake of 1 credit
        Row(0, 4.0, 4.0 + 4e-9, 5),                 // within the tolerance per coin
        Row(1, 1.0, 1.5, 1),                        // a mistake in another game
        Row(0, 0.0, 4.0, 5, DecisionSource::Drill), // drill rows never count
        Row(1, 0.0, 9.0, 5, DecisionSource::Drill),
    };
    for (DecisionRow& r : rows) ASSERT_TRUE(record.Append(r));

    RowQuery game0;
    game0.game = 0;
    // Decisions, mistakes, credits lost and accuracy.
    const auto figures = [](const Grades& g) {
        return std::make_tuple(g.decisions, g.mistakes, g.CreditsLostText(), g.AccuracyText());
    };
    const Grades g0 = record.Grade(game0);
    EXPECT_EQ(figures(g0), std::make_tuple(4, 2, "4.00", "76.47%")); // 13 / 17
    EXPECT_NEAR(g0.creditsLost, 4.0, 1e-12);
    EXPECT_EQ(figures(record.Grade({})), std::make_tuple(5, 3, "4.50", "75.68%")); // 14 / 18.5

    // The run counts only its own table rows.
    EXPECT_EQ(figures(record.SessionGrades(0)), std::make_tuple(3, 1, "1.00", "91.67%")); // 11/12
    EXPECT_EQ(record.SessionGrades().decisions, 4);
    EXPECT_EQ(record.SessionGrades(2).AccuracyText(), "-");

    // The same grades from rows in memory.
    RowQuery tableRows;
    tableRows.game = 0;
    const Grades fromRows = GradeRows(record.Rows(tableRows));
    EXPECT_EQ(std::make_tuple(fromRows.decisions, fromRows.mistakes, fromRows.AccuracyText()),
              std::make_tuple(g0.decisions, g0.mistakes, g0.AccuracyText()));
    EXPECT_DOUBLE_EQ(fromRows.creditsLost, g0.creditsLost);

    // Mistakes by cost and by date.
    RowQuery costly;
    costly.mistakesOnly = true;
    costly.order = RowQuery::Order::Costliest;
    auto m = record.Rows(costly);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_DOUBLE_EQ(m[0].Cost(), 3.0);
    EXPECT_DOUBLE_EQ(m[1].Cost(), 1.0);
    costly.order = RowQuery::Order::Newest;
    m = record.Rows(costly);
    EXPECT_EQ(m[0].game, 1);
}

#ifdef QUINTARO_ADVISE
// Standard output and exit status of quintaro-advise with the record at `path`.
std::pair<std::string, int> Advise(const fs::path& path, const std::string& args) {
    const std::string command =
        "QUINTARO_RECORD='" + path.string() + "' '" QUINTARO_ADVISE "' " + args + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    std::string out;
    char buf[512];
    while (pipe && std::fgets(buf, sizeof buf, pipe)) out += buf;
    const int status = pipe ? pclose(pipe) : -1;
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

TEST(AdviseRecord, PrintsTheGradesPerGame) {
    ScratchDir dir;
    const fs::path path = dir.path() / kTrainingRecordFileName;
    {
        TrainingRecord record(path, {});
        std::vector<DecisionRow> rows = {Row(0, 4.0, 4.0), Row(0, 3.0, 4.0), Row(8, 1.0, 1.5, 1),
                                         Row(8, 0.0, 9.0, 5, DecisionSource::Drill)};
        for (DecisionRow& r : rows) ASSERT_TRUE(record.Append(r));
    }
    const std::string header = "Game                    Decisions  Mistakes  Credits Lost  "
                               "Accuracy\n";
    auto [all, status] = Advise(path, "--record");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(all, "Training record " + path.string() + "\n" + header +
                       "Jacks or Better                 2         1          1.00    87.50%\n"
                       "Super Aces                      1         1          0.50    66.67%\n"
                       "All games                       3         2          1.50    84.21%\n");
    auto [one, oneStatus] = Advise(path, "--record --game deuces");
    EXPECT_EQ(oneStatus, 0);
    EXPECT_EQ(one, "Training record " + path.string() + "\n" + header +
                       "Deuces Wild                     0         0          0.00         -\n");
    EXPECT_EQ(Advise(dir.path() / "none.sqlite3", "--record").second, 1);
    EXPECT_EQ(Advise(path, "--record --game 12").second, 2);
    EXPECT_NE(Advise(path, "--help").first.find("QUINTARO_RECORD"), std::string::npos);
}
#endif

} // namespace
} // namespace quintaro
