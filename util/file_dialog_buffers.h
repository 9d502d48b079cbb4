#pragma once
// The byte layouts the file dialogs exchange with the platform: the filter
// list, the file buffers handed in, and how the chosen name is read back.

#include <string>

namespace vorna {

constexpr std::size_t kOpenFileBufferSize = 8192;
constexpr std::size_t kSaveFileNameLimit = 260;

// "Desc|*.X" becomes "Desc\0*.X\0\0": every "|" a NUL, one NUL appended.
std::string PlatformFilter(const std::string& filter);

// The open dialog's 8192-byte buffer: the initial name up to and including
// its first NUL (or the name and one NUL), then blanks to the full size.
// A name too long for the buffer is kept whole; the platform refuses it.
std::string OpenFileBuffer(const std::string& initialName);

// The save dialog's buffer: the name cut to 260 characters; up to and
// including its first NUL padded with blanks to 260 bytes, or the name,
// one NUL and 260 minus its length in blanks (261 bytes in all).
std::string SaveFileBuffer(const std::string& initialName);

// The open dialog's answer: the text before the last NUL of the buffer,
// or empty text when the buffer holds none.
std::string OpenAnswer(const std::string& buffer);

// The save dialog's answer: the text before the first NUL, or empty text
// when the buffer holds none.
std::string SaveAnswer(const std::string& buffer);

}  // namespace vorna
