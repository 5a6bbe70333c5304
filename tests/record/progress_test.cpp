// The training progress figures: stored times, the points per day and per
// session, the costliest kinds of hands, reading a record that is missing,
// foreign or full, and the drill dealing one kind of hand only.

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>

#include "../shell/test_files.h"
#include "record/practice_drill.h"
#include "record/progress.h"
#include "strategy/strategy_list.h"

namespace quintaro {
namespace {

namespace fs = std::filesystem;

std::array<Card, 5> Hand(const char* a, const char* b, const char* c, const char* d,
                         const char* e) {
    return {*ParseCard(a), *ParseCard(b), *ParseCard(c), *ParseCard(d), *ParseCard(e)};
}

// Jacks or Better hands of known entries (9/6 and 8/5 alike).
const std::array<Card, 5> kFourRoyal = Hand("Ah", "Kh", "Qh", "Jh", "3c");
const std::array<Card, 5> kHighPair = Hand("Jd", "Js", "4c", "7h", "9d");
const std::array<Card, 5> kThreeRoyal = Hand("Ad", "Kd", "Qd", "4c", "8s");

DecisionRow Row(const char* at, double held, double best, int game = 0,
                DecisionSource source = DecisionSource::Table,
                const std::array<Card, 5>& dealt = kHighPair, int payTable = 0) {
    DecisionRow r;
    r.playedAt = at;
    r.game = game;
    r.payTable = payTable;
    r.coins = 5;
    r.dealt = dealt;
    r.evHeld = held;
    r.evBest = best;
    r.evList = best;
    r.source = source;
    return r;
}

TEST(ProgressTest, StoredTimesAgreeWithTheCalendarForEveryDay) {
    // Every day from 1970 to 2199 at a time of day that moves along.
    for (std::int64_t day = 0; day < 230 * 366; day += 1) {
        const std::time_t t = static_cast<std::time_t>(day * 86400 + (day * 7919) % 86400);
        std::tm tm{};
        gmtime_r(&t, &tm);
        char text[32];
        std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &tm);
        ASSERT_EQ(ParsePlayedAt(text), std::optional<std::int64_t>(t)) << text;
    }
    for (const char* bad :
         {"", "2026-12-07 11:20:33Z", "2026-12-07T11:20:33", "2026-13-07T11:20:33Z",
          "2026-12-07T24:00:00Z", "2026-12-0xT11:20:33Z", "2026-12-07T11:20:33Z "})
        EXPECT_EQ(ParsePlayedAt(bad), std::nullopt) << bad;
}

struct PointCase {
    const char* name;
    ProgressFilter filter;
    // Per point: label, table decisions, table accuracy, table lost per 100, drill decisions.
    struct Point {
        const char* label;
        std::int64_t table;
        std::optional<double> accuracy;
        std::optional<double> lost;
        std::int64_t drill;
    };
    std::vector<Point> points;
};

TEST(ProgressTest, PointsPerDayAndPerSessionForOneGameOrAll) {
    // Appended out of time order on purpose: the points follow the clock.
    const std::vector<DecisionRow> rows = {
        Row("2026-12-01T10:00:00Z", 4.0, 5.0),    // game 0, mistake of 1
        Row("2026-12-01T10:20:00Z", 5.0, 5.0),    // same session
        Row("2026-12-01T23:59:59Z", 2.0, 4.0, 3), // Deuces, a later session that day
        Row("2026-12-03T08:00:00Z", 3.0, 3.0, 0, DecisionSource::Drill),
        Row("2026-12-02T00:00:00Z", 1.0, 1.0, 3), // Deuces, 1 s after the last: same session
        Row("2026-12-03T08:10:00Z", 1.0, 2.0),    // game 0 with the drill row
        Row("2026-12-03T08:05:00Z", 1.0, 1.0, 0, DecisionSource::Table, kHighPair, 1),
        Row("not a time", 1.0, 9.0), // graded, but on no point
    };
    const ProgressRecord record = MakeProgressRecord(rows);
    ProgressFilter day, session, jacks, jacks85, jacksNoDrill, deucesSessions;
    session.span = deucesSessions.span = ProgressFilter::Span::Session;
    jacks.game = jacks85.game = jacksNoDrill.game = 0;
    jacks85.payTable = 1;
    jacksNoDrill.drillApart = false;
    deucesSessions.game = 3;
    const std::vector<PointCase> cases = {
        {"all games per day",
         day,
         {{"2026-12-01", 3, 11.0 / 14 * 100, 3.0 / 3 * 100, 0},
          {"2026-12-02", 1, 100.0, 0.0, 0},
          {"2026-12-03", 2, 2.0 / 3 * 100, 0.5 * 100, 1}}},
        {"all games per session",
         session,
         {{"2026-12-01 10:00", 2, 90.0, 50.0, 0},
          {"2026-12-01 23:59", 2, 60.0, 100.0, 0},
          {"2026-12-03 08:00", 2, 2.0 / 3 * 100, 50.0, 1}}},
        {"one game",
         jacks,
         {{"2026-12-01", 2, 90.0, 50.0, 0}, {"2026-12-03", 2, 2.0 / 3 * 100, 50.0, 1}}},
        {"one game and pay table", jacks85, {{"2026-12-03", 1, 100.0, 0.0, 0}}},
        {"drill left out",
         jacksNoDrill,
         {{"2026-12-01", 2, 90.0, 50.0, 0}, {"2026-12-03", 2, 2.0 / 3 * 100, 50.0, 0}}},
        {"sessions of one game", deucesSessions, {{"2026-12-01 23:59", 2, 60.0, 100.0, 0}}},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgressFigures f = BuildProgress(record, c.filter);
        ASSERT_EQ(f.periods.size(), c.points.size());
        for (std::size_t i = 0; i < c.points.size(); ++i) {
            const ProgressPeriod& p = f.periods[i];
            const PointCase::Point& want = c.points[i];
            SCOPED_TRACE(want.label);
            EXPECT_EQ(p.label, want.label);
            EXPECT_EQ(p.table.decisions, want.table);
            EXPECT_EQ(p.drill.decisions, want.drill);
            ASSERT_EQ(p.table.Accuracy().has_value(), want.accuracy.has_value());
            if (want.accuracy) {
                EXPECT_NEAR(*p.table.Accuracy(), *want.accuracy, 1e-9);
            }
            ASSERT_EQ(LostPerHundred(p.table).has_value(), want.lost.has_value());
            if (want.lost) {
                EXPECT_NEAR(*LostPerHundred(p.table), *want.lost, 1e-9);
            }
        }
        // The grades per game always cover every table row, whatever is chosen.
        EXPECT_EQ(f.gameGrades[0].decisions, 5);
        EXPECT_EQ(f.gameGrades[3].decisions, 2);
        EXPECT_EQ(f.WholeRecord().decisions, 7);
        EXPECT_NEAR(f.WholeRecord().creditsLost, 1 + 2 + 1 + 8, 1e-9);
    }
}

TEST(ProgressTest, CostlyKindsRankedByCreditsLost) {
    using S = DecisionSource;
    // Costs that are exact in binary, so ties are ties.
    const std::vector<DecisionRow> rows = {
        Row("2026-12-01T10:00:00Z", 10.0, 18.0, 0, S::Table, kFourRoyal),        // 8 lost
        Row("2026-12-01T10:01:00Z", 7.0, 7.5, 0, S::Table, kHighPair),           // 0.5
        Row("2026-12-01T10:02:00Z", 7.0, 7.75, 0, S::Table, kHighPair),          // 0.75
        Row("2026-12-01T10:03:00Z", 7.0, 7.0, 0, S::Table, kHighPair),           // no mistake
        Row("2026-12-01T10:04:00Z", 6.0, 7.5, 0, S::Table, kHighPair, 1),        // the other list
        Row("2026-12-01T10:05:00Z", 1.0, 9.0, 0, S::Drill, kFourRoyal),          // drill: no kind
        Row("2026-12-01T10:06:00Z", 5.0, 6.25, 2, S::Table, kThreeRoyal),        // Bonus Deluxe
        Row("2026-12-01T10:07:00Z", 6.0, 6.0 + 1e-10, 0, S::Table, kThreeRoyal), // a tie
    };
    const ProgressRecord record = MakeProgressRecord(rows);
    struct Want {
        int game, payTable;
        const char* name;
        std::int64_t count;
        double lost;
    };
    struct Case {
        const char* name;
        std::optional<int> game, payTable;
        std::vector<Want> kinds;
    } cases[] = {
        // Equal losses: the kind met more often first.
        {"all games",
         {},
         {},
         {{0, 0, "4 Royal", 1, 8.0},
          {0, 1, "High Pair JJ-AA", 1, 1.5},
          {0, 0, "High Pair JJ-AA", 2, 1.25},
          {2, 0, "3 Royal", 1, 1.25}}},
        {"one pay table", 0, 0, {{0, 0, "4 Royal", 1, 8.0}, {0, 0, "High Pair JJ-AA", 2, 1.25}}},
        {"another game", 2, {}, {{2, 0, "3 Royal", 1, 1.25}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProgressFilter filter;
        filter.game = c.game;
        filter.payTable = c.payTable;
        const ProgressFigures f = BuildProgress(record, filter);
        ASSERT_EQ(f.kinds.size(), c.kinds.size());
        for (std::size_t i = 0; i < c.kinds.size(); ++i) {
            const CostlyKind& k = f.kinds[i];
            const Want& w = c.kinds[i];
            SCOPED_TRACE(w.name);
            EXPECT_EQ(std::tie(k.game, k.payTable, k.name, k.count),
                      std::make_tuple(w.game, w.payTable, std::string(w.name), w.count));
            EXPECT_EQ(k.name, StrategyListFor(k.game, k.payTable).Entry(k.entry).name);
            EXPECT_NEAR(k.creditsLost, w.lost, 1e-9);
            EXPECT_NEAR(k.AverageCost(), w.lost / static_cast<double>(w.count), 1e-9);
        }
    }
    // The mistakes window's rows of a kind are the kind's count.
    for (const CostlyKind& k : BuildProgress(record, {}).kinds) {
        const auto n = std::count_if(rows.begin(), rows.end(), [&](const DecisionRow& r) {
            return r.source == S::Table && IsOfKind(r, k.game, k.payTable, k.entry);
        });
        EXPECT_EQ(n, k.count) << k.name;
    }
}

TEST(ProgressTest, ReadsEmptyForeignAndFilledRecords) {
    testing::ScratchDir dir;
    const fs::path missing = dir.path() / "none.sqlite3";
    const ProgressRecord none = ReadProgressRecord(missing);
    EXPECT_TRUE(none.rows.empty());
    EXPECT_FALSE(none.readError);
    EXPECT_FALSE(fs::exists(missing)); // reading makes no file
    EXPECT_FALSE(ReadProgressRecord({}).readError);

    const fs::path foreign = dir.path() / "foreign.sqlite3";
    std::ofstream(foreign) << "these are not the decisions you are looking for\n";
    const ProgressRecord bad = ReadProgressRecord(foreign);
    EXPECT_TRUE(bad.rows.empty());
    ASSERT_TRUE(bad.readError);
    EXPECT_NE(bad.readError->find("cannot be read"), std::string::npos) << *bad.readError;
    EXPECT_TRUE(fs::exists(foreign)); // left as it is

    const fs::path good = dir.path() / kTrainingRecordFileName;
    {
        TrainingRecord record(good, {});
        for (DecisionRow r : {Row("", 10.0, 18.0, 0, DecisionSource::Table, kFourRoyal),
                              Row("", 4.0, 4.0), Row("", 1.0, 2.0, 0, DecisionSource::Drill)})
            ASSERT_TRUE(record.Append(r));
        const ProgressRecord read = ReadProgressRecord(good);
        EXPECT_FALSE(read.readError);
        ASSERT_EQ(read.rows.size(), 3u);
        EXPECT_EQ(read.entries, (std::vector<std::int16_t>{4, 0, 12}));
    }
}

TEST(ProgressTest, DrillOfOneKindDealsThatKindOnly) {
    for (const int entry : {12, 14, 16}) {
        PracticeDrill drill(0, 0, {}, {}, 17u + static_cast<unsigned>(entry));
        drill.SetValuer([](int, int, int, const std::array<Card, 5>&) { return HandValues{}; });
        DecisionRow probe;
        drill.SetHandFilter([&](const std::array<Card, 5>& dealt) {
            probe.dealt = dealt;
            return StrategyEntryOf(probe) == entry;
        });
        for (int i = 0; i < 6; ++i) {
            probe.dealt = drill.Current().dealt;
            EXPECT_EQ(StrategyEntryOf(probe), entry) << "hand " << i;
            drill.Answer(0);
            drill.Next();
        }
    }
}

} // namespace
} // namespace quintaro
