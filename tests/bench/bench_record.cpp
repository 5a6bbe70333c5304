// The training record's write on the GUI thread: one committed row (WAL,
// synchronous FULL) into a database in the system's temporary folder, the
// grades read over a record of 20,000 rows, and the training progress
// window's figures over 100,000 rows (from rows in memory, and read from disk).
//
//   build/tests/bench/bench_record
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include <random>

#include "record/progress.h"
#include "record/training_record.h"

namespace {

namespace fs = std::filesystem;

fs::path ScratchPath(const char* name) {
    const fs::path dir =
        fs::temp_directory_path() / ("quintaro-bench-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path path = dir / name;
    for (const char* side : {"", "-wal", "-shm"}) fs::remove(path.string() + side);
    return path;
}

// A year of play: shuffled deals in every game, a session or two a day, one
// decision in four a mistake, one in ten a drill answer.
std::vector<quintaro::DecisionRow> YearOfRows(int count) {
    std::mt19937 rng(2026);
    std::vector<quintaro::DecisionRow> rows;
    rows.reserve(static_cast<std::size_t>(count));
    std::array<quintaro::Card, 52> deck{};
    for (int c = 0; c < 52; ++c) deck[static_cast<std::size_t>(c)] = c;
    for (int i = 0; i < count; ++i) {
        quintaro::DecisionRow r;
        r.id = i + 1;
        r.game = static_cast<int>(rng() % 9);
        r.payTable = static_cast<int>(rng() % 2);
        r.coins = 5;
        for (std::size_t k = 0; k < 5; ++k) {
            std::swap(deck[k], deck[k + rng() % (52 - k)]);
            r.dealt[k] = deck[k];
        }
        r.evBest = 3.7;
        r.evHeld = rng() % 4 == 0 ? 3.0 : 3.7;
        r.evList = 3.7;
        r.source = i % 10 == 0 ? quintaro::DecisionSource::Drill : quintaro::DecisionSource::Table;
        const int day = i / 300, minute = (i % 300) / 3 + (i % 300 >= 150 ? 600 : 0);
        char at[32];
        std::snprintf(at, sizeof at, "2026-%02d-%02dT%02d:%02d:%02dZ", 1 + day % 12,
                      1 + day / 12 % 28, 8 + minute / 60, minute % 60, i % 60);
        r.playedAt = at;
        rows.push_back(std::move(r));
    }
    return rows;
}

// A record of `count` such rows, filled in one transaction: row by row the setup would
// wait for one sync per row.
fs::path FilledRecord(const char* name, int count) {
    const fs::path path = ScratchPath(name);
    { quintaro::TrainingRecord create(path, {}); }
    sqlite3* db = nullptr;
    sqlite3_open(path.string().c_str(), &db);
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const quintaro::DecisionRow& r : YearOfRows(count)) {
        const std::string sql =
            "INSERT INTO decisions (played_at, game, pay_table, coins, dealt, held, list_hold, "
            "best_hold, ev_held, ev_list, ev_best, mode, source) VALUES ('" +
            r.playedAt + "', " + std::to_string(r.game) + ", " + std::to_string(r.payTable) +
            ", 5, '" + quintaro::FormatDealt(r.dealt) + "', 0, 0, 0, " + std::to_string(r.evHeld) +
            ", 3.7, 3.7, 0, '" + (r.source == quintaro::DecisionSource::Drill ? "drill" : "table") +
            "')";
        sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
    }
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return path;
}

void BM_AppendOneRow(benchmark::State& state) {
    quintaro::TrainingRecord record(ScratchPath("append.sqlite3"), {});
    const std::vector<quintaro::DecisionRow> rows = YearOfRows(1000);
    std::size_t i = 0;
    for (auto _ : state) {
        quintaro::DecisionRow r = rows[i++ % rows.size()];
        r.id = 0;
        benchmark::DoNotOptimize(record.Append(r));
    }
}
BENCHMARK(BM_AppendOneRow)->Unit(benchmark::kMicrosecond);

void BM_GradesOverTwentyThousandRows(benchmark::State& state) {
    quintaro::TrainingRecord record(FilledRecord("grades.sqlite3", 20000), {});
    for (auto _ : state) {
        quintaro::RowQuery game;
        game.game = 3;
        benchmark::DoNotOptimize(record.Grade(game));
        benchmark::DoNotOptimize(record.Grade({}));
    }
}
BENCHMARK(BM_GradesOverTwentyThousandRows)->Unit(benchmark::kMillisecond);

// Everything the window figures once the rows are read: the entries of the
// mistaken hands and the points, grades and kinds for all games.
void BM_ProgressFiguresOverHundredThousandRows(benchmark::State& state) {
    const std::vector<quintaro::DecisionRow> rows = YearOfRows(100000);
    quintaro::ProgressFilter bySession;
    bySession.span = quintaro::ProgressFilter::Span::Session;
    for (auto _ : state) {
        const quintaro::ProgressRecord record = quintaro::MakeProgressRecord(rows);
        benchmark::DoNotOptimize(quintaro::BuildProgress(record, {}));
        benchmark::DoNotOptimize(quintaro::BuildProgress(record, bySession));
    }
}
BENCHMARK(BM_ProgressFiguresOverHundredThousandRows)->Unit(benchmark::kMillisecond);

// The same from the file, as the window's worker does it.
void BM_ProgressReadAndFigureHundredThousandRows(benchmark::State& state) {
    const fs::path path = FilledRecord("progress.sqlite3", 100000);
    for (auto _ : state) {
        const quintaro::ProgressRecord record = quintaro::ReadProgressRecord(path);
        benchmark::DoNotOptimize(quintaro::BuildProgress(record, {}));
    }
}
BENCHMARK(BM_ProgressReadAndFigureHundredThousandRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
