#pragma once
// Path helpers. A blank is 0x20 only; only the backslash
// separates the parts of a path (a forward slash is an ordinary character).

#include <string>

namespace vorna {

// The folder part of a path, blanks trimmed first: everything up to and
// including the last backslash, or a single backslash when there is none.
// "C:\data\test.txt" -> "C:\data\", "test.txt" -> "\".
std::string FolderOfPath(const std::string& path);

// The file part of a path, blanks trimmed first: everything after the last
// backslash, or the whole trimmed path when there is none; empty when the
// path ends in a backslash.
std::string FileOfPath(const std::string& path);

}  // namespace vorna
