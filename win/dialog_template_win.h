#pragma once
// Dialog-style windows built in memory from a table of controls, so every
// window of the program is described by data and created the same way.

#include <windows.h>

#include <vector>

namespace vorna {

enum class ControlClass { Button, Edit, Static };

// The control styles both windows use.
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kLabelStyle = WS_CHILD | WS_VISIBLE | SS_LEFT;
constexpr DWORD kCentredLabelStyle = WS_CHILD | WS_VISIBLE | SS_CENTER;
// Single line, thin flat border, any text may be typed.
constexpr DWORD kTextBoxStyle =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

// One control: geometry in dialog units of the window's font.
struct ControlSpec {
  int id;
  ControlClass windowClass;
  const char* caption;
  short x, y, width, height;
  DWORD style;
};

struct WindowSpec {
  const char* title;
  short x, y, width, height;
  DWORD style;  // DS_SETFONT adds the font below to the template
  DWORD extendedStyle;
  const char* fontFace;
  WORD fontPointSize;
};

// A DLGTEMPLATE with one DLGITEMTEMPLATE per control, in table order,
// ready for DialogBoxIndirectParamA.
class DialogTemplate {
 public:
  DialogTemplate(const WindowSpec& window, const std::vector<ControlSpec>& controls);
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void AlignToDword();
  void AddWord(WORD word);
  void AddDword(DWORD value);
  void AddText(const char* text);
  std::vector<WORD> words_;
};

}  // namespace vorna
