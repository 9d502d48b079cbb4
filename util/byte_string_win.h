#pragma once
// Texts at the boundary of the exported routines: OLE Automation byte
// strings (a null handle is the empty text), passed by the address of the
// caller's handle so that a routine can put a new one there.

#include <windows.h>
#include <oleauto.h>

#include <string>

namespace vorna {

// The bytes of the string the caller's variable holds ("" for none).
std::string FromByteString(const BSTR* variable);

// A new byte string that the receiver owns.
BSTR NewByteString(const std::string& text);

// Replaces the caller's string with `text`, freeing the old one.
void WriteBackByteString(BSTR* variable, const std::string& text);

}  // namespace vorna
