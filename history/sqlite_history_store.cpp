// The history in one SQLite file. Every write happens in one transaction
// per run, so a run that stops midway (killed, power lost) leaves the file
// as it was before the run: SQLite's journal rolls the rest back at the
// next open. The schema's version is the file's user_version.

#include <sqlite3.h>
#include <sys/stat.h>

#include <string>

#include "history/history_store.h"
#include "history/recording_checkpoint.h"
#include "util/test_date.h"

namespace vorna {
namespace {

constexpr int kSchemaVersion = 1;

// Step i brings a file of schema version i to version i + 1; a new file
// takes every step.
const char* const kMigrations[kSchemaVersion] = {
    "CREATE TABLE reports ("
    "  id INTEGER PRIMARY KEY,"
    "  hash TEXT NOT NULL UNIQUE,"
    "  file TEXT NOT NULL,"
    "  test_name TEXT NOT NULL,"
    "  test_date TEXT NOT NULL,"
    "  day TEXT NOT NULL,"  // YYYY-MM-DD of test_date, for ordering; empty when undated
    "  unit TEXT NOT NULL,"
    "  limit_low REAL, limit_high REAL, value_scale REAL, display_low REAL, display_high REAL,"
    "  box_count INTEGER, value_count INTEGER, displayed INTEGER, in_spec INTEGER,"
    "  recorded_at TEXT NOT NULL);"
    "CREATE TABLE failures ("
    "  report_id INTEGER NOT NULL REFERENCES reports(id),"
    "  position INTEGER NOT NULL,"  // order in the report
    "  box REAL NOT NULL, channel INTEGER NOT NULL, value REAL NOT NULL);"
    "CREATE INDEX failures_by_box ON failures(box);",
};

// A prepared statement, finalised when it goes.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) : db_(db) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) {
      throw HistoryError(sqlite3_errmsg(db));
    }
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  void Bind(int index, const std::string& text) {
    Check(sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
  }
  void Bind(int index, double value) { Check(sqlite3_bind_double(statement_, index, value)); }
  void Bind(int index, std::int64_t value) { Check(sqlite3_bind_int64(statement_, index, value)); }
  // True while there is a row to read.
  bool Step() {
    const int result = sqlite3_step(statement_);
    if (result == SQLITE_ROW) return true;
    if (result == SQLITE_DONE) return false;
    throw HistoryError(sqlite3_errmsg(db_));
  }
  void Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
  }
  std::int64_t Integer(int column) { return sqlite3_column_int64(statement_, column); }
  double Real(int column) { return sqlite3_column_double(statement_, column); }
  std::string Text(int column) {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    return text == nullptr ? std::string()
                           : std::string(reinterpret_cast<const char*>(text),
                                         static_cast<std::size_t>(sqlite3_column_bytes(statement_, column)));
  }

 private:
  void Check(int result) {
    if (result != SQLITE_OK) throw HistoryError(sqlite3_errmsg(db_));
  }
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

class SqliteHistoryStore : public HistoryStore {
 public:
  SqliteHistoryStore(const std::string& path, HistoryAccess access) {
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    if (!exists && access == HistoryAccess::Read) throw HistoryError("no such history file");
    // Root may write any file; the history still keeps off one its owner marked read-only.
    if (exists && access == HistoryAccess::Record && (status.st_mode & S_IWUSR) == 0) {
      throw HistoryError("the history file is read-only");
    }
    const int flags = access == HistoryAccess::Record ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                      : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
      const std::string reason = db_ != nullptr ? sqlite3_errmsg(db_) : "out of memory";
      sqlite3_close(db_);
      db_ = nullptr;
      throw HistoryError(access == HistoryAccess::Read ? "cannot open the history: " + reason
                                                       : "cannot open or create the history: " + reason);
    }
    sqlite3_busy_timeout(db_, 10000);
    try {
      PrepareSchema(access);
    } catch (...) {
      sqlite3_close(db_);
      throw;
    }
  }
  ~SqliteHistoryStore() override { sqlite3_close(db_); }

  std::size_t RecordRun(const std::vector<RecordedReport>& reports, const std::string& recordedAt) override {
    Execute("BEGIN IMMEDIATE");
    try {
      std::size_t added = 0;
      Statement known(db_, "SELECT 1 FROM reports WHERE hash = ?");
      Statement report(db_,
                       "INSERT INTO reports (hash, file, test_name, test_date, day, unit, limit_low, limit_high,"
                       " value_scale, display_low, display_high, box_count, value_count, displayed, in_spec,"
                       " recorded_at) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
      Statement failure(db_, "INSERT INTO failures (report_id, position, box, channel, value) VALUES (?,?,?,?,?)");
      for (const RecordedReport& r : reports) {
        known.Bind(1, r.Hash);
        const bool seen = known.Step();
        known.Reset();
        if (seen) continue;
        int column = 1;
        for (const std::string* text : {&r.Hash, &r.File, &r.TestName, &r.TestDate}) report.Bind(column++, *text);
        report.Bind(column++, SortableDay(r.TestDate));
        report.Bind(column++, r.Unit);
        for (const float value : {r.LimitLow, r.LimitHigh, r.ValueScale, r.DisplayLow, r.DisplayHigh}) {
          report.Bind(column++, static_cast<double>(value));
        }
        for (const std::int32_t count : {r.BoxCount, r.Values, r.Displayed, r.InSpec}) {
          report.Bind(column++, static_cast<std::int64_t>(count));
        }
        report.Bind(column++, recordedAt);
        report.Step();
        report.Reset();
        const std::int64_t id = sqlite3_last_insert_rowid(db_);
        std::int64_t position = 0;
        for (const RecordedFailure& f : r.Failures) {
          failure.Bind(1, id);
          failure.Bind(2, position++);
          failure.Bind(3, static_cast<double>(f.Box));
          failure.Bind(4, static_cast<std::int64_t>(f.Channel));
          failure.Bind(5, static_cast<double>(f.Value));
          failure.Step();
          failure.Reset();
        }
        ReportRecorded(++added);
      }
      Execute("COMMIT");
      return added;
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  std::vector<StoredFailure> Failures(const FailureQuery& query) override {
    std::vector<StoredFailure> failures;
    if (empty_) return failures;
    Statement select(db_,
                     "SELECT f.box, r.test_date, r.day, r.test_name, r.file, r.unit, f.channel, f.value, r.hash"
                     " FROM failures f JOIN reports r ON r.id = f.report_id"
                     " WHERE (?1 IS NULL OR f.box = ?1)"
                     "   AND (?2 = '' OR r.test_name = ?2 COLLATE NOCASE)"
                     "   AND (?3 = '' OR (r.day <> '' AND r.day >= ?3))"
                     " ORDER BY f.box, r.day, r.test_name, r.file, r.id, f.position");
    if (query.Box) select.Bind(1, static_cast<double>(*query.Box));
    select.Bind(2, query.TestName);
    select.Bind(3, query.SinceDay);
    while (select.Step()) {
      StoredFailure f;
      f.Box = static_cast<float>(select.Real(0));
      f.TestDate = select.Text(1);
      f.Day = select.Text(2);
      f.TestName = select.Text(3);
      f.File = select.Text(4);
      f.Unit = select.Text(5);
      f.Channel = static_cast<std::int32_t>(select.Integer(6));
      f.Value = static_cast<float>(select.Real(7));
      f.Hash = select.Text(8);
      failures.push_back(std::move(f));
    }
    return failures;
  }

 private:
  void Execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) != SQLITE_OK) {
      const std::string reason = message != nullptr ? message : sqlite3_errmsg(db_);
      sqlite3_free(message);
      throw HistoryError(reason);
    }
  }

  std::int64_t SingleInteger(const char* sql) {
    Statement statement(db_, sql);
    return statement.Step() ? statement.Integer(0) : 0;
  }

  // Checks the file's schema in a transaction of its own and, when
  // recording, brings it up to date there.
  void PrepareSchema(HistoryAccess access) {
    std::int64_t version = 0;
    std::int64_t tables = 0;
    try {
      Execute(access == HistoryAccess::Record ? "BEGIN IMMEDIATE" : "BEGIN");
      version = SingleInteger("PRAGMA user_version");
      tables = SingleInteger("SELECT count(*) FROM sqlite_master");
    } catch (const HistoryError& error) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw HistoryError(std::string("not a history database (") + error.what() + ")");
    }
    std::string refusal;
    if (version > kSchemaVersion) {
      refusal = "the history is of schema version " + std::to_string(version) + ", newer than this program's (" +
                std::to_string(kSchemaVersion) + "): use a newer vorna-analyse";
    } else if (version == 0 && tables > 0) {
      refusal = "not a history database (it holds tables of another kind)";
    } else if (access == HistoryAccess::Read && version > 0 && version < kSchemaVersion) {
      refusal = "the history is of the older schema version " + std::to_string(version) +
                ": record a run into it to bring it up to date";
    }
    if (!refusal.empty()) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw HistoryError(refusal);
    }
    empty_ = version == 0;
    if (access == HistoryAccess::Read) {
      Execute("COMMIT");
      return;
    }
    try {
      for (std::int64_t step = version; step < kSchemaVersion; ++step) Execute(kMigrations[step]);
      Execute(("PRAGMA user_version = " + std::to_string(kSchemaVersion)).c_str());
      Execute("COMMIT");
      empty_ = false;
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      throw;
    }
  }

  sqlite3* db_ = nullptr;
  bool empty_ = false;  // a new file read before any run was recorded into it
};

}  // namespace

std::unique_ptr<HistoryStore> OpenHistoryStore(const std::string& location, HistoryAccess access) {
  return std::make_unique<SqliteHistoryStore>(location, access);
}

}  // namespace vorna
