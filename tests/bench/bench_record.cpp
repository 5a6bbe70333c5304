// The training record's write on the GUI thread: one committed row (WAL,
// synchronous FULL) into a database in the system's temporary folder, and the
// grades read over a record of 20,000 rows for the statistics page.
//
//   build/tests/bench/bench_record
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <unistd.h>

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

quintaro::DecisionRow Row(int i) {
    quintaro::DecisionRow r;
    r.game = i % 9;
    r.coins = 5;
    r.dealt = {i % 47, i % 47 + 1, i % 47 + 2, i % 47 + 3, i % 47 + 4};
    r.held = i % 32;
    r.evHeld = 3.0 + (i % 7) * 0.1;
    r.evList = 3.5;
    r.evBest = 3.7;
    return r;
}

void BM_AppendOneRow(benchmark::State& state) {
    quintaro::TrainingRecord record(ScratchPath("append.sqlite3"), {});
    int i = 0;
    for (auto _ : state) {
        quintaro::DecisionRow r = Row(i++);
        benchmark::DoNotOptimize(record.Append(r));
    }
}
BENCHMARK(BM_AppendOneRow)->Unit(benchmark::kMicrosecond);

void BM_GradesOverTwentyThousandRows(benchmark::State& state) {
    const fs::path path = ScratchPath("grades.sqlite3");
    {
        // Filled in one transaction; row by row the setup would wait for 20,000 syncs.
        { quintaro::TrainingRecord create(path, {}); }
        sqlite3* db = nullptr;
        sqlite3_open(path.string().c_str(), &db);
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        for (int i = 0; i < 20000; ++i) {
            const quintaro::DecisionRow r = Row(i);
            const std::string sql =
                "INSERT INTO decisions (played_at, game, pay_table, coins, dealt, held, list_hold, "
                "best_hold, ev_held, ev_list, ev_best, mode) VALUES ('2026-12-07T10:00:00Z', " +
                std::to_string(r.game) + ", 0, 5, '" + quintaro::FormatDealt(r.dealt) + "', " +
                std::to_string(r.held) + ", 0, 0, " + std::to_string(r.evHeld) + ", 3.5, 3.7, 0)";
            sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr);
        }
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    quintaro::TrainingRecord record(path, {});
    for (auto _ : state) {
        quintaro::RowQuery game;
        game.game = 3;
        benchmark::DoNotOptimize(record.Grade(game));
        benchmark::DoNotOptimize(record.Grade({}));
    }
}
BENCHMARK(BM_GradesOverTwentyThousandRows)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
