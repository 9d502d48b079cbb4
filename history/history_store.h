#pragma once
// The history of recorded reports behind one small interface: record a
// run's analysed reports, read back the failures of boxes. The program
// holds it in a SQLite file (sqlite_history_store.cpp); a store shared by
// many crews on a server is one more implementation of this interface.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorna {

// One failing channel of a recorded report.
struct RecordedFailure {
  float Box = 0;
  std::int32_t Channel = 0;
  float Value = 0;
};

// An analysed report as the history keeps it. Texts are UTF-8.
struct RecordedReport {
  std::string File;
  std::string Hash;      // of the report's bytes: the same bytes are recorded once
  std::string TestName;
  std::string TestDate;  // "DD-MM-YYYY", or empty
  std::string Unit;
  float LimitLow = 0, LimitHigh = 0, ValueScale = 0, DisplayLow = 0, DisplayHigh = 0;
  std::int32_t BoxCount = 0, Values = 0, Displayed = 0, InSpec = 0;
  std::vector<RecordedFailure> Failures;  // in file order
};

// Which failures to read; an empty field asks for all.
struct FailureQuery {
  std::optional<float> Box;
  std::string TestName;  // compared without regard to ASCII case
  std::string SinceDay;  // "YYYY-MM-DD": reports of that day or later (undated ones are left out)
};

// One stored failing channel with its report's identity.
struct StoredFailure {
  float Box = 0;
  std::string TestDate;  // as recorded
  std::string Day;       // "YYYY-MM-DD", empty when the report has no date
  std::string TestName;
  std::string File;
  std::string Unit;
  std::string Hash;      // of its report
  std::int32_t Channel = 0;
  float Value = 0;
};

// A store that cannot be opened, read or written; what() says why in words
// for the user.
class HistoryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class HistoryStore {
 public:
  virtual ~HistoryStore() = default;

  // Records `reports` as one transaction, with `recordedAt` (ISO 8601, UTC)
  // as their time of recording. A report whose Hash is stored already is
  // skipped. Returns how many were added. Throws HistoryError, and then
  // nothing of the run is kept.
  virtual std::size_t RecordRun(const std::vector<RecordedReport>& reports, const std::string& recordedAt) = 0;

  // The stored failures that `query` asks for, by box number, then day,
  // test name, file and channel. Throws HistoryError.
  virtual std::vector<StoredFailure> Failures(const FailureQuery& query) = 0;
};

enum class HistoryAccess {
  Record,  // creates the store when absent and brings an older schema up to date
  Read,    // changes nothing; a store that is absent is an error
};

// Opens the history at `location` (a file name). Throws HistoryError when
// it is absent (Read), not a history store, marked read-only (Record), or
// of a newer schema than this program's; the file is left as it was then.
std::unique_ptr<HistoryStore> OpenHistoryStore(const std::string& location, HistoryAccess access);

}  // namespace vorna
