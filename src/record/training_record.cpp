#include "record/training_record.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <system_error>
#include <variant>

#include "exact/exact_analysis.h"

namespace quintaro {

namespace {

namespace fs = std::filesystem;

// The steps that bring a database from one schema version to the next; step i
// takes version i to version i + 1.
constexpr const char* kMigrations[kRecordSchemaVersion] = {
    "CREATE TABLE IF NOT EXISTS decisions ("
    " id INTEGER PRIMARY KEY,"
    " played_at TEXT NOT NULL,"
    " game INTEGER NOT NULL,"
    " pay_table INTEGER NOT NULL,"
    " coins INTEGER NOT NULL,"
    " dealt TEXT NOT NULL,"
    " held INTEGER NOT NULL,"
    " list_hold INTEGER NOT NULL,"
    " best_hold INTEGER NOT NULL,"
    " ev_held REAL NOT NULL,"
    " ev_list REAL NOT NULL,"
    " ev_best REAL NOT NULL,"
    " mode INTEGER NOT NULL);",
    "ALTER TABLE decisions ADD COLUMN perfect_play INTEGER NOT NULL DEFAULT 0;"
    "ALTER TABLE decisions ADD COLUMN source TEXT NOT NULL DEFAULT 'table';"
    "CREATE INDEX IF NOT EXISTS decisions_by_game ON decisions (source, game, pay_table);",
    "ALTER TABLE decisions ADD COLUMN table_name TEXT NOT NULL DEFAULT '';"
    "ALTER TABLE decisions ADD COLUMN pays TEXT NOT NULL DEFAULT '';",
};

// A hold that falls short of the best by more than the tie tolerance per coin.
constexpr const char* kMistakeSql = "((ev_best - ev_held) / coins > 1e-9)";

const char* SourceName(DecisionSource source) {
    return source == DecisionSource::Drill ? "drill" : "table";
}

bool IsDamage(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool IsBusy(int code) {
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

// Runs statements that return nothing; the SQLite result code.
int Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
}

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        code_ = sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    bool Ok() const { return code_ == SQLITE_OK && stmt_; }
    int Code() const { return code_; }
    sqlite3_stmt* get() const { return stmt_; }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int code_ = SQLITE_OK;
};

// Reads one integer answer ("PRAGMA user_version"); the result code.
int QueryInt(sqlite3* db, const char* sql, int& value) {
    Statement st(db, sql);
    if (!st.Ok()) return st.Code();
    const int rc = sqlite3_step(st.get());
    if (rc == SQLITE_ROW) {
        value = sqlite3_column_int(st.get(), 0);
        return SQLITE_OK;
    }
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

std::string Describe(sqlite3* db, int code) {
    std::string text = sqlite3_errstr(code);
    if (db) {
        const char* detail = sqlite3_errmsg(db);
        if (detail && text != detail) text += std::string(" (") + detail + ")";
    }
    return text;
}

// The present time in UTC, formatted by strftime.
std::string UtcNow(const char* format) {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
#ifdef _WIN32
    gmtime_s(&tm, &now);
#else
    gmtime_r(&now, &tm);
#endif
    char buf[32];
    std::strftime(buf, sizeof buf, format, &tm);
    return buf;
}

std::string DatedSuffix() {
    return UtcNow("%Y%m%d-%H%M%S");
}

struct QuerySql {
    std::string where;
    std::vector<std::variant<int, std::string>> args; // in the order of the placeholders
};

QuerySql WhereOf(const RowQuery& q) {
    QuerySql out;
    std::string w = " WHERE 1";
    if (q.source) {
        w += " AND source = ?";
        out.args.emplace_back(SourceName(*q.source));
    }
    if (q.named) {
        w += " AND game = ? AND table_name = ? AND pays = ?";
        out.args.emplace_back(q.named->game);
        out.args.emplace_back(q.named->name);
        out.args.emplace_back(SchedulePaysText(q.named->pays));
    } else {
        if (q.game) {
            w += " AND game = ?";
            out.args.emplace_back(*q.game);
        }
        if (q.payTable) {
            w += " AND pay_table = ? AND pays = ''";
            out.args.emplace_back(*q.payTable);
        }
    }
    if (q.mistakesOnly) w += std::string(" AND ") + kMistakeSql;
    out.where = w;
    return out;
}

void Bind(sqlite3_stmt* st, const QuerySql& sql) {
    int i = 1;
    for (const auto& arg : sql.args) {
        if (const int* v = std::get_if<int>(&arg))
            sqlite3_bind_int(st, i++, *v);
        else
            sqlite3_bind_text(st, i++, std::get<std::string>(arg).c_str(), -1, SQLITE_TRANSIENT);
    }
}

} // namespace

bool DecisionRow::IsMistake() const {
    return coins > 0 && (evBest - evHeld) / coins > exact::kTieTolerance;
}

std::string FormatDealt(const std::array<Card, 5>& cards) {
    std::string out;
    for (std::size_t i = 0; i < 5; ++i) {
        if (i) out += ',';
        out += std::to_string(cards[i]);
    }
    return out;
}

bool ParseDealt(const std::string& text, std::array<Card, 5>& cards) {
    // Read by hand: the whole record passes through here when it is figured.
    std::array<Card, 5> parsed{};
    std::size_t n = 0;
    std::size_t i = 0;
    while (true) {
        int v = 0;
        std::size_t digits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
            v = v * 10 + (text[i] - '0');
        if (digits == 0 || digits > 2 || v >= kCardCount || n >= 5) return false;
        for (std::size_t k = 0; k < n; ++k)
            if (parsed[k] == v) return false;
        parsed[n++] = v;
        if (i == text.size()) break;
        if (text[i++] != ',') return false;
    }
    if (n != 5) return false;
    cards = parsed;
    return true;
}

std::string SchedulePaysText(const PaySchedule& pays) {
    std::string out;
    for (const PayRow* row : {&pays.belowFive, &pays.atFive}) {
        if (!out.empty()) out += '/';
        for (std::size_t i = 0; i < row->size(); ++i) {
            if (i) out += ',';
            out += std::to_string((*row)[i]);
        }
    }
    return out;
}

std::optional<PaySchedule> ParseSchedulePays(const std::string& text) {
    PaySchedule pays;
    std::size_t at = 0;
    for (PayRow* row : {&pays.belowFive, &pays.atFive}) {
        for (std::size_t i = 0; i < row->size(); ++i) {
            const char want = i + 1 < row->size() ? ',' : (row == &pays.belowFive ? '/' : '\0');
            std::int64_t v = 0;
            std::size_t digits = 0;
            for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 10;
                 ++at, ++digits)
                v = v * 10 + (text[at] - '0');
            if (digits == 0 || v > INT32_MAX) return std::nullopt;
            (*row)[i] = static_cast<std::int32_t>(v);
            if (want == '\0') {
                if (at != text.size()) return std::nullopt;
            } else if (at >= text.size() || text[at++] != want) {
                return std::nullopt;
            }
        }
    }
    return pays;
}

void Grades::Add(const DecisionRow& row) {
    ++decisions;
    if (row.IsMistake()) {
        ++mistakes;
        creditsLost += row.Cost();
    }
    valueHeld += row.evHeld;
    valueBest += row.evBest;
}

Grades& Grades::operator+=(const Grades& o) {
    decisions += o.decisions;
    mistakes += o.mistakes;
    creditsLost += o.creditsLost;
    valueHeld += o.valueHeld;
    valueBest += o.valueBest;
    return *this;
}

std::optional<double> Grades::Accuracy() const {
    if (decisions == 0 || valueBest <= 0) return std::nullopt;
    return valueHeld / valueBest * 100.0;
}

std::string Grades::AccuracyText() const {
    const auto a = Accuracy();
    if (!a) return "-";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f%%", *a);
    return buf;
}

std::string Grades::CreditsLostText() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", creditsLost);
    return buf;
}

Grades GradeRows(const std::vector<DecisionRow>& rows) {
    Grades g;
    for (const DecisionRow& r : rows) g.Add(r);
    return g;
}

std::string UtcTimestamp() {
    return UtcNow("%Y-%m-%dT%H:%M:%SZ");
}

TrainingRecord::TrainingRecord(fs::path path, NoticeSink notice)
    : TrainingRecord(std::move(path), std::move(notice), Options{}) {}

TrainingRecord::TrainingRecord(fs::path path, NoticeSink notice, Options options)
    : path_(std::move(path)), notice_(std::move(notice)), options_(options) {
    if (path_.empty()) return;
    if (!Open()) Close();
}

TrainingRecord::~TrainingRecord() {
    Close();
}

void TrainingRecord::Close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

void TrainingRecord::GiveUp(const std::string& text) {
    Close();
    Tell(text);
}

void TrainingRecord::Tell(const std::string& text) {
    if (noticeGiven_) return;
    noticeGiven_ = true;
    if (notice_) notice_(text);
}

bool TrainingRecord::MoveAside() {
    fs::path target = path_;
    target += ".damaged-" + DatedSuffix();
    std::error_code ec;
    for (int n = 2; fs::exists(target, ec); ++n) {
        target = path_;
        target += ".damaged-" + DatedSuffix() + "-" + std::to_string(n);
    }
    fs::rename(path_, target, ec);
    if (ec) return false;
    // The journal files belong to the damaged database and go with it.
    for (const char* side : {"-wal", "-shm", "-journal"}) {
        fs::path from = path_;
        from += side;
        if (!fs::exists(from, ec)) continue;
        fs::path to = target;
        to += side;
        fs::rename(from, to, ec);
    }
    movedAside_ = target;
    return true;
}

bool TrainingRecord::Open() {
    const std::string where = path_.string();
    if (options_.readOnly) {
        int version = 0;
        if (sqlite3_open_v2(where.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            QueryInt(db_, "PRAGMA user_version", version) == SQLITE_OK) {
            foundVersion_ = version;
            sqlite3_busy_timeout(db_, options_.busyTimeoutMs);
            return true;
        }
        GiveUp("The training record " + where + " cannot be read (" +
               Describe(db_, db_ ? sqlite3_errcode(db_) : SQLITE_CANTOPEN) + ").");
        return false;
    }
    std::error_code ec;
    if (path_.has_parent_path()) fs::create_directories(path_.parent_path(), ec);
    if (ec) {
        GiveUp("The training record cannot be kept: the folder " + path_.parent_path().string() +
               " cannot be made (" + ec.message() + "). The game goes on without it.");
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        int rc = sqlite3_open_v2(where.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                                 nullptr);
        if (rc == SQLITE_OK) {
            sqlite3_busy_timeout(db_, options_.busyTimeoutMs);
            rc = Prepare();
            if (rc == SQLITE_OK) {
                if (!movedAside_.empty())
                    Tell("The training record " + where + " was damaged. It was moved aside to " +
                         movedAside_.string() + " and a new record was started.");
                return true;
            }
        }
        const std::string reason = Describe(db_, rc);
        Close();
        if (IsDamage(rc) && attempt == 0) {
            if (!MoveAside()) {
                GiveUp("The training record " + where + " is damaged and cannot be moved aside (" +
                       reason + "). The game goes on without it.");
                return false;
            }
            continue; // a fresh database in its place
        }
        if (IsBusy(rc)) {
            GiveUp("The training record " + where +
                   " is in use by another running copy of Quintaro. The game goes on without "
                   "it.");
        } else {
            GiveUp("The training record " + where + " cannot be written (" + reason +
                   "). The game goes on without it.");
        }
        return false;
    }
    return false;
}

// Checks the file, switches to write-ahead logging and brings the schema up
// to date. The SQLite result code of the first step that fails.
int TrainingRecord::Prepare() {
    auto failed = [this](int rc) { return rc != SQLITE_OK ? rc : sqlite3_extended_errcode(db_); };
    int version = 0;
    if (int rc = QueryInt(db_, "PRAGMA user_version", version); rc != SQLITE_OK) return rc;
    foundVersion_ = version;
    {
        Statement check(db_, "PRAGMA quick_check");
        if (!check.Ok()) return failed(check.Code());
        const int rc = sqlite3_step(check.get());
        if (rc != SQLITE_ROW) return failed(rc);
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check.get(), 0));
        if (!text || std::string(text) != "ok") return SQLITE_CORRUPT;
    }
    if (sqlite3_db_readonly(db_, "main") == 1) return SQLITE_READONLY;
    {
        Statement wal(db_, "PRAGMA journal_mode=WAL");
        if (!wal.Ok()) return failed(wal.Code());
        const int rc = sqlite3_step(wal.get());
        if (rc != SQLITE_ROW) return failed(rc);
    }
    if (int rc = Exec(db_, "PRAGMA synchronous=FULL"); rc != SQLITE_OK) return rc;
    if (options_.maxPageCount > 0) {
        const std::string cap = "PRAGMA max_page_count=" + std::to_string(options_.maxPageCount);
        int pages = 0;
        if (int rc = QueryInt(db_, cap.c_str(), pages); rc != SQLITE_OK) return rc;
    }
    return Migrate();
}

int TrainingRecord::Migrate() {
    if (int rc = Exec(db_, "BEGIN IMMEDIATE"); rc != SQLITE_OK) return rc;
    int version = 0;
    int rc = QueryInt(db_, "PRAGMA user_version", version);
    for (int v = version; rc == SQLITE_OK && v < kRecordSchemaVersion; ++v)
        rc = Exec(db_, kMigrations[v]);
    if (rc == SQLITE_OK && version < kRecordSchemaVersion) {
        const std::string set = "PRAGMA user_version=" + std::to_string(kRecordSchemaVersion);
        rc = Exec(db_, set.c_str());
    }
    if (rc == SQLITE_OK) rc = Exec(db_, "COMMIT");
    if (rc != SQLITE_OK) {
        rc = sqlite3_extended_errcode(db_);
        Exec(db_, "ROLLBACK");
    }
    return rc;
}

bool TrainingRecord::Append(DecisionRow& row) {
    if (!db_ || options_.readOnly) return false;
    if (row.playedAt.empty()) row.playedAt = UtcTimestamp();
    Statement st(db_, "INSERT INTO decisions (played_at, game, pay_table, coins, dealt, held, "
                      "list_hold, best_hold, ev_held, ev_list, ev_best, mode, perfect_play, "
                      "source, table_name, pays) "
                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    int rc = st.Code();
    if (st.Ok()) {
        sqlite3_stmt* s = st.get();
        const std::string dealt = FormatDealt(row.dealt);
        sqlite3_bind_text(s, 1, row.playedAt.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 2, row.game);
        sqlite3_bind_int(s, 3, row.payTable);
        sqlite3_bind_int(s, 4, row.coins);
        sqlite3_bind_text(s, 5, dealt.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(s, 6, row.held);
        sqlite3_bind_int(s, 7, row.listHold);
        sqlite3_bind_int(s, 8, row.bestHold);
        sqlite3_bind_double(s, 9, row.evHeld);
        sqlite3_bind_double(s, 10, row.evList);
        sqlite3_bind_double(s, 11, row.evBest);
        sqlite3_bind_int(s, 12, static_cast<int>(row.mode));
        sqlite3_bind_int(s, 13, row.perfectPlay ? 1 : 0);
        sqlite3_bind_text(s, 14, SourceName(row.source), -1, SQLITE_STATIC);
        const std::string pays = row.pays ? SchedulePaysText(*row.pays) : std::string();
        sqlite3_bind_text(s, 15, row.pays ? row.tableName.c_str() : "", -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(s, 16, pays.c_str(), -1, SQLITE_TRANSIENT);
        rc = sqlite3_step(s);
    }
    if (rc != SQLITE_DONE) {
        const std::string reason = Describe(db_, rc);
        const std::string where = path_.string();
        if ((rc & 0xff) == SQLITE_FULL)
            GiveUp("The training record " + where +
                   " cannot grow: the disk is full. The game goes on without it; the decisions "
                   "kept so far are safe.");
        else if (IsBusy(rc))
            GiveUp("The training record " + where +
                   " is in use by another running copy of Quintaro. The game goes on without "
                   "it.");
        else
            GiveUp("The training record " + where + " cannot be written (" + reason +
                   "). The game goes on without it.");
        return false;
    }
    row.id = sqlite3_last_insert_rowid(db_);
    if (row.source == DecisionSource::Table && row.game >= 0 && row.game < kGameCount)
        session_[static_cast<std::size_t>(row.game)].Add(row);
    return true;
}

std::vector<DecisionRow> TrainingRecord::Rows(const RowQuery& query) const {
    std::vector<DecisionRow> rows;
    if (!db_) return rows;
    const QuerySql where = WhereOf(query);
    std::string sql = "SELECT id, played_at, game, pay_table, coins, dealt, held, list_hold, "
                      "best_hold, ev_held, ev_list, ev_best, mode, perfect_play, source, "
                      "table_name, pays FROM decisions" +
                      where.where;
    switch (query.order) {
    case RowQuery::Order::Oldest:
        sql += " ORDER BY id";
        break;
    case RowQuery::Order::Newest:
        sql += " ORDER BY played_at DESC, id DESC";
        break;
    case RowQuery::Order::Costliest:
        sql += " ORDER BY (ev_best - ev_held) DESC, id DESC";
        break;
    }
    if (query.limit > 0) sql += " LIMIT " + std::to_string(query.limit);
    Statement st(db_, sql);
    if (!st.Ok()) return rows;
    Bind(st.get(), where);
    while (sqlite3_step(st.get()) == SQLITE_ROW) {
        sqlite3_stmt* s = st.get();
        DecisionRow r;
        r.id = sqlite3_column_int64(s, 0);
        if (const auto* t = sqlite3_column_text(s, 1))
            r.playedAt = reinterpret_cast<const char*>(t);
        r.game = sqlite3_column_int(s, 2);
        r.payTable = sqlite3_column_int(s, 3);
        r.coins = sqlite3_column_int(s, 4);
        const auto* dealt = sqlite3_column_text(s, 5);
        if (!dealt || !ParseDealt(reinterpret_cast<const char*>(dealt), r.dealt)) continue;
        r.held = sqlite3_column_int(s, 6);
        r.listHold = sqlite3_column_int(s, 7);
        r.bestHold = sqlite3_column_int(s, 8);
        r.evHeld = sqlite3_column_double(s, 9);
        r.evList = sqlite3_column_double(s, 10);
        r.evBest = sqlite3_column_double(s, 11);
        r.mode = static_cast<DecisionMode>(sqlite3_column_int(s, 12));
        r.perfectPlay = sqlite3_column_int(s, 13) != 0;
        const auto* src = sqlite3_column_text(s, 14);
        r.source = src && std::string(reinterpret_cast<const char*>(src)) == "drill"
                       ? DecisionSource::Drill
                       : DecisionSource::Table;
        if (const auto* pays = sqlite3_column_text(s, 16); pays && *pays) {
            // A named table's row whose pays cannot be read is no row of a table.
            r.pays = ParseSchedulePays(reinterpret_cast<const char*>(pays));
            if (!r.pays) continue;
            if (const auto* name = sqlite3_column_text(s, 15))
                r.tableName = reinterpret_cast<const char*>(name);
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

std::vector<NamedPayTable> TrainingRecord::NamedTables(std::optional<int> game) const {
    std::vector<NamedPayTable> out;
    if (!db_) return out;
    std::string sql = "SELECT game, table_name, pays FROM decisions WHERE pays != ''";
    if (game) sql += " AND game = " + std::to_string(*game);
    sql += " GROUP BY game, table_name, pays ORDER BY MIN(id)";
    Statement st(db_, sql);
    if (!st.Ok()) return out;
    while (sqlite3_step(st.get()) == SQLITE_ROW) {
        NamedPayTable t;
        t.game = sqlite3_column_int(st.get(), 0);
        if (const auto* name = sqlite3_column_text(st.get(), 1))
            t.name = reinterpret_cast<const char*>(name);
        const auto* pays = sqlite3_column_text(st.get(), 2);
        const auto parsed =
            pays ? ParseSchedulePays(reinterpret_cast<const char*>(pays)) : std::nullopt;
        if (!parsed) continue;
        t.pays = *parsed;
        out.push_back(std::move(t));
    }
    return out;
}

Grades TrainingRecord::Grade(const RowQuery& query) const {
    Grades g;
    if (!db_) return g;
    RowQuery q = query;
    q.mistakesOnly = false;
    const QuerySql where = WhereOf(q);
    const std::string sql = std::string("SELECT COUNT(*), TOTAL(") + kMistakeSql +
                            "), TOTAL(CASE WHEN " + kMistakeSql +
                            " THEN ev_best - ev_held ELSE 0 END), TOTAL(ev_held), TOTAL(ev_best) "
                            "FROM decisions" +
                            where.where;
    Statement st(db_, sql);
    if (!st.Ok()) return g;
    Bind(st.get(), where);
    if (sqlite3_step(st.get()) != SQLITE_ROW) return g;
    g.decisions = sqlite3_column_int64(st.get(), 0);
    g.mistakes = static_cast<std::int64_t>(std::llround(sqlite3_column_double(st.get(), 1)));
    g.creditsLost = sqlite3_column_double(st.get(), 2);
    g.valueHeld = sqlite3_column_double(st.get(), 3);
    g.valueBest = sqlite3_column_double(st.get(), 4);
    return g;
}

const Grades& TrainingRecord::SessionGrades(int game) const {
    static const Grades kNone;
    if (game < 0 || game >= kGameCount) return kNone;
    return session_[static_cast<std::size_t>(game)];
}

Grades TrainingRecord::SessionGrades() const {
    Grades all;
    for (const Grades& g : session_) all += g;
    return all;
}

} // namespace quintaro
