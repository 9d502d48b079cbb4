#include "win/dialog_template_win.h"

namespace vorna {
namespace {

// The predefined class atoms of a dialog item template.
WORD ClassAtom(ControlClass windowClass) {
  switch (windowClass) {
    case ControlClass::Button:
      return 0x0080;
    case ControlClass::Edit:
      return 0x0081;
    case ControlClass::Static:
      return 0x0082;
  }
  return 0x0082;
}

}  // namespace

DialogTemplate::DialogTemplate(const WindowSpec& window, const std::vector<ControlSpec>& controls) {
  AddDword(window.style);
  AddDword(window.extendedStyle);
  AddWord(static_cast<WORD>(controls.size()));
  AddWord(static_cast<WORD>(window.x));
  AddWord(static_cast<WORD>(window.y));
  AddWord(static_cast<WORD>(window.width));
  AddWord(static_cast<WORD>(window.height));
  AddWord(0);  // no menu
  AddWord(0);  // the standard dialog class
  AddText(window.title);
  if (window.style & DS_SETFONT) {
    AddWord(window.fontPointSize);
    AddText(window.fontFace);
  }
  for (const ControlSpec& control : controls) {
    AlignToDword();
    AddDword(control.style);
    AddDword(0);  // no extended style
    AddWord(static_cast<WORD>(control.x));
    AddWord(static_cast<WORD>(control.y));
    AddWord(static_cast<WORD>(control.width));
    AddWord(static_cast<WORD>(control.height));
    AddWord(static_cast<WORD>(control.id));
    AddWord(0xFFFF);
    AddWord(ClassAtom(control.windowClass));
    AddText(control.caption);
    AddWord(0);  // no creation data
  }
}

void DialogTemplate::AlignToDword() {
  if (words_.size() % 2 != 0) words_.push_back(0);
}

void DialogTemplate::AddWord(WORD word) { words_.push_back(word); }

void DialogTemplate::AddDword(DWORD value) {
  words_.push_back(LOWORD(value));
  words_.push_back(HIWORD(value));
}

void DialogTemplate::AddText(const char* text) {
  // Captions are plain ANSI; widen them byte by byte through the code page.
  const char* source = text == nullptr ? "" : text;
  int length = MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
  std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, source, -1, wide.data(), length);
  for (wchar_t character : wide) words_.push_back(static_cast<WORD>(character));
}

}  // namespace vorna
