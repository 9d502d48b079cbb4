#pragma once
// Helpers shared by the checks of the outside caller: what a program that
// loads VORNAanalyser.dll needs to call its routines.

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace outside {

// Prints the check and counts it when it failed.
void Check(bool condition, const std::string& what);
int Failures();

// An OLE Automation byte string holding `text`; its bytes back.
BSTR ByteString(const std::string& text);
std::string Bytes(BSTR text);

template <typename Function>
Function Routine(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// GETMULTIPLEFILES through the real dialog: one file, three files in a
// drive's root, and a cancelled dialog.
void CheckMultipleFiles(HMODULE library);

}  // namespace outside
