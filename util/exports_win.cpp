// The routines exported by name for other programs: a thin layer that
// turns the caller's byte strings into texts, calls the internal routine
// and writes the in/out texts back. Built into both VORNAanalyser.exe and
// VORNAanalyser.dll; other programs load the DLL.
#include <windows.h>

#include <cstdint>

#include "util/axis_step.h"
#include "util/byte_string_win.h"
#include "util/colour.h"
#include "util/file_dialogs_win.h"
#include "util/file_length_win.h"
#include "util/multi_open_dialog_win.h"
#include "util/notepad_win.h"
#include "util/text_helpers.h"

using vorna::FromByteString;
using vorna::NewByteString;
using vorna::WriteBackByteString;

namespace {

using ShowRoutine = std::string (*)(HWND, std::string&, const std::string&, std::string&);

BSTR CallShowRoutine(ShowRoutine routine, HWND Owner, BSTR* Filter, BSTR* Caption, BSTR* Folder) {
  std::string filter = FromByteString(Filter);
  std::string folder = FromByteString(Folder);
  std::string chosen = routine(Owner, filter, FromByteString(Caption), folder);
  WriteBackByteString(Filter, filter);
  WriteBackByteString(Folder, folder);
  return NewByteString(chosen);
}

}  // namespace

extern "C" {

BSTR __stdcall SHOWOPEN(HWND Owner, BSTR* Filter, BSTR* Caption, BSTR* Folder) {
  return CallShowRoutine(vorna::SHOWOPEN, Owner, Filter, Caption, Folder);
}

BSTR __stdcall SHOWSAVE(HWND Owner, BSTR* Filter, BSTR* Caption, BSTR* Folder) {
  return CallShowRoutine(vorna::SHOWSAVE, Owner, Filter, Caption, Folder);
}

BSTR __stdcall SHOWSAVEB(HWND Owner, BSTR* Filter, BSTR* Caption, BSTR* Folder) {
  return CallShowRoutine(vorna::SHOWSAVEB, Owner, Filter, Caption, Folder);
}

BSTR __stdcall SHOWSAVEA(HWND Owner, BSTR* Filter, BSTR* FileName, BSTR* Caption, BSTR* Folder) {
  std::string filter = FromByteString(Filter);
  std::string fileName = FromByteString(FileName);
  std::string folder = FromByteString(Folder);
  std::string chosen = vorna::SHOWSAVEA(Owner, filter, fileName, FromByteString(Caption), folder);
  WriteBackByteString(Filter, filter);
  WriteBackByteString(FileName, fileName);
  WriteBackByteString(Folder, folder);
  return NewByteString(chosen);
}

std::int32_t __stdcall SHELLTONOTEPAD(BSTR* FileName) {
  return vorna::ShellToNotepad(FromByteString(FileName));
}

BSTR __stdcall PADOUT(BSTR* Text, std::int32_t* Width) {
  std::string text = FromByteString(Text);
  std::string padded = vorna::PadOut(text, Width == nullptr ? 0 : *Width);
  WriteBackByteString(Text, text);
  return NewByteString(padded);
}

std::int32_t __stdcall FILELEN(const char* Name) { return vorna::FileLength(Name); }

std::int32_t __stdcall HLSTORGB(float Hue, float Lightness, float Saturation) {
  return vorna::HlsToRgb(Hue, Lightness, Saturation);
}

// A null address counts as an end at 0.
float __stdcall CHOOSESTEP(const float* Low, const float* High) {
  return vorna::ChooseStep(Low == nullptr ? 0.0f : *Low, High == nullptr ? 0.0f : *High);
}

// Folder is the caller's string itself; Result receives the choice only
// when files were chosen.
std::int32_t __stdcall GETMULTIPLEFILES(HWND Owner, BSTR Folder, BSTR* Result) {
  std::string result = FromByteString(Result);
  std::int32_t count = vorna::GETMULTIPLEFILES(Owner, FromByteString(&Folder), result);
  if (count != 0) WriteBackByteString(Result, result);
  return count;
}

}  // extern "C"
