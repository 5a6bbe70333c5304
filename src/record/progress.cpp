#include "record/progress.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <numeric>
#include <system_error>
#include <tuple>

#include "core/hand_analysis.h"
#include "strategy/classifier.h"
#include "strategy/strategy_list.h"

namespace quintaro {

namespace {

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool Matches(const DecisionRow& row, const ProgressFilter& f) {
    if (f.game && row.game != *f.game) return false;
    if (f.game && f.pays && (row.pays != f.pays || row.tableName != f.tableName)) return false;
    if (f.game && !f.pays && f.payTable && (row.payTable != *f.payTable || row.pays)) return false;
    return f.drillApart || row.source == DecisionSource::Table;
}

} // namespace

int StrategyEntryOf(const DecisionRow& row) {
    if (!IsValidGame(row.game) || row.pays) return 0;
    HandAnalysis a;
    Recommendation r;
    AdviseHand(row.game, row.payTable ? 1 : 0, row.dealt, a, r);
    return r.strategyIndex;
}

std::string EntryText(int game, int payTable, int entry) {
    if (!IsValidGame(game) || entry < 1 || entry > StrategyCount(game, payTable)) return {};
    return StrategyListFor(game, payTable).Entry(entry).name;
}

std::optional<std::int64_t> ParsePlayedAt(const std::string& t) {
    // "YYYY-MM-DDTHH:MM:SSZ"
    if (t.size() != 20 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' ||
        t[16] != ':' || t[19] != 'Z')
        return std::nullopt;
    int fields[6] = {};
    const int starts[6] = {0, 5, 8, 11, 14, 17};
    const int widths[6] = {4, 2, 2, 2, 2, 2};
    for (int k = 0; k < 6; ++k) {
        int v = 0;
        for (int i = starts[k]; i < starts[k] + widths[k]; ++i) {
            const char c = t[static_cast<std::size_t>(i)];
            if (c < '0' || c > '9') return std::nullopt;
            v = v * 10 + (c - '0');
        }
        fields[k] = v;
    }
    const auto [y, mo, d, h, mi, s] = fields;
    if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 60) return std::nullopt;
    const std::int64_t days = DaysFromCivil(y, static_cast<unsigned>(mo), static_cast<unsigned>(d));
    return days * 86400 + h * 3600 + mi * 60 + s;
}

ProgressRecord MakeProgressRecord(std::vector<DecisionRow> rows) {
    ProgressRecord out;
    out.entries.reserve(rows.size());
    for (const DecisionRow& r : rows)
        out.entries.push_back(static_cast<std::int16_t>(r.IsMistake() ? StrategyEntryOf(r) : 0));
    out.rows = std::move(rows);
    return out;
}

ProgressRecord ReadProgressRecord(const std::filesystem::path& path) {
    std::error_code ec;
    if (path.empty() || !std::filesystem::exists(path, ec)) return {};
    std::optional<std::string> error;
    TrainingRecord::Options options;
    options.readOnly = true;
    TrainingRecord record(
        path, [&error](const std::string& text) { error = text; }, options);
    if (!record.Usable()) {
        ProgressRecord out;
        out.readError = error.value_or("The training record " + path.string() + " cannot be read.");
        return out;
    }
    RowQuery all;
    all.source.reset();
    std::vector<DecisionRow> rows = record.Rows(all);
    if (rows.empty() && record.FoundVersion() == 0) {
        // A file that opens but is no training record: nothing of it can be shown.
        std::error_code sizeError;
        if (std::filesystem::file_size(path, sizeError) > 0 && !sizeError) {
            ProgressRecord out;
            out.readError = "The training record " + path.string() +
                            " cannot be read (it is not a training record).";
            return out;
        }
    }
    return MakeProgressRecord(std::move(rows));
}

std::optional<double> LostPerHundred(const Grades& g) {
    if (g.decisions == 0) return std::nullopt;
    return g.creditsLost / static_cast<double>(g.decisions) * 100.0;
}

Grades ProgressFigures::WholeRecord() const {
    Grades all;
    for (const Grades& g : gameGrades) all += g;
    return all;
}

std::vector<NamedPayTable> NamedTablesOf(const std::vector<DecisionRow>& rows, int game) {
    std::vector<NamedPayTable> out;
    for (const DecisionRow& r : rows) {
        if (r.game != game || !r.pays) continue;
        const NamedPayTable t{r.game, r.tableName, *r.pays};
        if (std::find(out.begin(), out.end(), t) == out.end()) out.push_back(t);
    }
    return out;
}

bool IsOfKind(const DecisionRow& row, int game, int payTable, int entry) {
    return row.game == game && row.payTable == payTable && !row.pays && row.IsMistake() &&
           StrategyEntryOf(row) == entry;
}

ProgressFigures BuildProgress(const ProgressRecord& record, const ProgressFilter& filter) {
    ProgressFigures out;
    const std::vector<DecisionRow>& rows = record.rows;

    // The matching rows in time order, each with its time.
    struct Timed {
        std::int64_t seconds;
        std::size_t index;
    };
    std::vector<Timed> timed;
    timed.reserve(rows.size());
    std::map<std::tuple<int, int, int>, CostlyKind> kinds;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DecisionRow& r = rows[i];
        const bool table = r.source == DecisionSource::Table;
        if (table && IsValidGame(r.game)) out.gameGrades[static_cast<std::size_t>(r.game)].Add(r);
        if (!Matches(r, filter)) continue;
        if (table) {
            out.shown.Add(r);
            const int entry = i < record.entries.size() ? record.entries[i] : 0;
            if (entry > 0 && r.IsMistake()) {
                CostlyKind& k = kinds[{r.game, r.payTable ? 1 : 0, entry}];
                ++k.count;
                k.creditsLost += r.Cost();
            }
        }
        if (const auto s = ParsePlayedAt(r.playedAt)) timed.push_back({*s, i});
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const Timed& a, const Timed& b) { return a.seconds < b.seconds; });

    std::int64_t periodKey = 0;
    std::int64_t last = 0;
    for (const Timed& t : timed) {
        const DecisionRow& r = rows[t.index];
        bool fresh = out.periods.empty();
        if (filter.span == ProgressFilter::Span::Day) {
            const std::int64_t day =
                t.seconds >= 0 ? t.seconds / 86400 : (t.seconds - 86399) / 86400;
            fresh = fresh || day != periodKey;
            periodKey = day;
        } else {
            fresh = fresh || t.seconds - last > kSessionGapSeconds;
        }
        last = t.seconds;
        if (fresh) {
            ProgressPeriod p;
            p.label = filter.span == ProgressFilter::Span::Day
                          ? r.playedAt.substr(0, 10)
                          : r.playedAt.substr(0, 10) + " " + r.playedAt.substr(11, 5);
            out.periods.push_back(std::move(p));
        }
        ProgressPeriod& p = out.periods.back();
        (r.source == DecisionSource::Table ? p.table : p.drill).Add(r);
    }

    for (auto& [key, kind] : kinds) {
        const auto [game, payTable, entry] = key;
        kind.game = game;
        kind.payTable = payTable;
        kind.entry = entry;
        kind.name = EntryText(game, payTable, entry);
        out.kinds.push_back(std::move(kind));
    }
    std::stable_sort(out.kinds.begin(), out.kinds.end(),
                     [](const CostlyKind& a, const CostlyKind& b) {
                         if (a.creditsLost != b.creditsLost) return a.creditsLost > b.creditsLost;
                         return a.count > b.count;
                     });
    return out;
}

} // namespace quintaro
