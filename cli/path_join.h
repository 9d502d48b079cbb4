#pragma once
// Joining a folder and a name the way the user wrote the folder.

#include <string>

namespace vorna {

// True for the characters that separate the parts of a path here: the
// slash, and on Windows the backslash too.
bool IsPathSeparator(char c);

// `folder` and `name` joined: no separator added when `folder` already
// ends in one (so "samples/" + "a.txt" gives "samples/a.txt"), else
// `separator`.
std::string JoinPath(const std::string& folder, const std::string& name, char separator);

// The separator a walk below `folder` uses: the one it ends in, else the
// system's own ('/', or '\' on Windows).
char SeparatorFor(const std::string& folder);

}  // namespace vorna
