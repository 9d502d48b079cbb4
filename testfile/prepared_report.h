#pragma once
// The first step of an Open: which file the later readers read and how,
// with the ".TXT" copy of a report whose lines end in line feeds alone
// written beside it, chunk by chunk, for as long as the Open runs.

#include <string>
#include <string_view>
#include <utility>

#include "testfile/chunked_line_reader.h"

namespace vorna {

inline constexpr std::string_view kConvertedCopySuffix = ".TXT";

// The path of the converted copy of `reportPath`: the path with ".TXT"
// appended ("T0413.dat" -> "T0413.dat.TXT").
std::string ConvertedCopyPath(const std::string& reportPath);

// Owner of a converted copy on disk: deletes the file when it is destroyed
// or when Remove is called, whichever comes first. Move-only; an empty
// owner (default-constructed or moved from) deletes nothing.
class ConvertedCopy {
 public:
  ConvertedCopy() = default;
  explicit ConvertedCopy(std::string path) : path_(std::move(path)) {}
  ~ConvertedCopy() { Remove(); }
  ConvertedCopy(const ConvertedCopy&) = delete;
  ConvertedCopy& operator=(const ConvertedCopy&) = delete;
  ConvertedCopy(ConvertedCopy&& other) noexcept : path_(std::move(other.path_)) { other.path_.clear(); }
  ConvertedCopy& operator=(ConvertedCopy&& other) noexcept;

  // True while this owner holds a copy it has not deleted yet.
  bool Held() const { return !path_.empty(); }
  const std::string& Path() const { return path_; }
  // Deletes the copy now (silently, whether or not that succeeds).
  void Remove();

 private:
  std::string path_;
};

struct PreparedReport {
  // The file every later reader reads, and how: the chosen file as it is,
  // the copy, or the chosen file converted as it is read when no copy was
  // written. Read so, it gives the file's bytes, or after a conversion the
  // same text with CR LF line ends and one more CR LF.
  std::string ReadPath;
  LineEnds Ends = LineEnds::CarriageReturn;
  // The path the analysis names in its "File " line: the copy's path when a
  // copy was written, otherwise the chosen path.
  std::string TestFileName;
  // True when the line ends were converted, on disk or as read.
  bool Converted = false;
  // The copy, when one was written; it is deleted with this record.
  ConvertedCopy Copy;
};

// Looks at `chosenPath` (a file that cannot be read counts as an empty
// one). When its first line is the whole file (no CR, no 0x1A), writes its
// conversion to ConvertedCopyPath chunk by chunk, but only when nothing
// stands at that path yet: an existing file there is never overwritten or
// deleted. When the copy cannot be written, or something already stands
// there, the analysis goes on converting the chosen file as it reads it and
// names the chosen file. The chosen file itself is never changed.
PreparedReport PrepareReport(const std::string& chosenPath);

}  // namespace vorna
