#include "util/byte_string_win.h"

namespace vorna {

std::string FromByteString(const BSTR* variable) {
  if (variable == nullptr || *variable == nullptr) return {};
  return std::string(reinterpret_cast<const char*>(*variable), SysStringByteLen(*variable));
}

BSTR NewByteString(const std::string& text) {
  return SysAllocStringByteLen(text.data(), static_cast<UINT>(text.size()));
}

void WriteBackByteString(BSTR* variable, const std::string& text) {
  if (variable == nullptr) return;  // nowhere to write: the caller passed no variable
  BSTR replacement = NewByteString(text);
  SysFreeString(*variable);
  *variable = replacement;
}

}  // namespace vorna
