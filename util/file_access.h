#pragma once
// The few file operations the system needs. Every file is opened without
// sharing, used for one operation and closed before the call returns.
// Nothing here throws: a failure gives empty text or false and the caller
// goes on as the program's rules say. Paths use backslashes; the portable
// build maps them to slashes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vorna {

// The whole file, or empty text when it cannot be opened or read.
std::string ReadWholeFile(const std::string& path);

// At most the first `maxBytes` bytes of the file (fewer when it is
// shorter), or empty text when it cannot be opened or read. Reads no more
// than it returns, whatever the file's size.
std::string ReadFileStart(const std::string& path, std::size_t maxBytes);

// Creates or empties the file and writes `bytes`. False on failure.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// Creates the file only when nothing stands at `path` yet and writes
// `bytes`. False when something already stands there (never touched) or the
// file cannot be created or written in full; a file this call created but
// could not write in full is deleted again.
bool WriteNewFile(const std::string& path, const std::string& bytes);

// Opens the file for reading and writing (creating it when absent, never
// truncating it) and writes `bytes` at `offset`. False on failure.
bool WriteAtOffset(const std::string& path, std::uint32_t offset, const std::string& bytes);

// True when a directory search for `path` finds an ordinary file: a
// directory, or a file with the hidden or system attribute, counts as absent.
bool IsOrdinaryFile(const std::string& path);

// The read-only attribute of a file or folder; nothing when the attributes
// cannot be read.
std::optional<bool> IsReadOnly(const std::string& path);

// Deletes a file. False on failure.
bool DeleteFileAt(const std::string& path);

// The process's current directory, as the system reports it.
std::string CurrentDirectory();

}  // namespace vorna
