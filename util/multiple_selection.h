#pragma once
// The byte layouts of the open dialog that lets several files be chosen:
// its fixed-size request buffers, how its answer is read back and how the
// answer becomes one "?"-joined text.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorna {

constexpr std::size_t kMultiOpenFileBufferSize = 16383;
constexpr std::size_t kMultiOpenFilterSize = 256;
constexpr std::size_t kMultiOpenTextSize = 256;  // initial folder and title
constexpr std::size_t kMultiOpenDefaultExtSize = 10;

// `text` in a buffer of `size` bytes: cut to size - 1 bytes and padded
// with NULs, so the buffer always holds a terminating NUL.
std::string FixedTextBuffer(const std::string& text, std::size_t size);

// The filter in the platform's form (every "|" a NUL, one NUL appended) in
// a 256-byte buffer. A filter too long for it is cut so that the list still
// ends in two NULs inside the buffer: the platform never reads past it.
std::string MultiOpenFilterBuffer(const std::string& filter);

// 16383 bytes: the initial name (cut to 16382 bytes) followed by NULs.
std::string MultiOpenFileBuffer(const std::string& initialName);

// The name the dialog leaves in `buffer`. When nothing was chosen it is the
// buffer with every NUL at its end removed (the initial name). When files
// were chosen, `fileOffset` (the platform's offset of the first file name,
// 0 when it gave none) tells a single path, which ends at its first NUL,
// from a folder and names, which end at the list's two NULs; either way
// what an initial name longer than the answer left behind it is dropped.
std::string MultiOpenAnswer(const std::string& buffer, bool chosen, std::size_t fileOffset);

struct MultipleSelection {
  std::int32_t count = 0;  // files chosen
  std::string text;        // folder ending in a backslash, then "?" and a name per file
};

// The answer of a confirmed dialog, fields separated by NULs: one full
// path ("C:\x\a.txt" gives "C:\x\?a.txt", count 1), or a folder and the
// names chosen in it ("C:\x", "a.txt", "b.txt" give "C:\x\?a.txt?b.txt",
// count 2; a root folder "C:\" keeps its one backslash). An empty answer
// gives count 0.
MultipleSelection JoinMultipleSelection(const std::string& answer);

}  // namespace vorna
