#include "win/dialog_base_win.h"

#include "win/dialog_fonts_win.h"

namespace vorna {

void DialogBase::Run(HWND owner, const WindowSpec& spec, const std::vector<ControlSpec>& controls,
                     bool underlinedHeading) {
  headingFont_.reset(CreateHeadingFont(underlinedHeading));
  DialogTemplate dialog(spec, controls);
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), owner, Procedure,
                          reinterpret_cast<LPARAM>(this));
  headingFont_.reset();
}

void DialogBase::SetHeadingFont(HWND window, const std::vector<int>& headings) const {
  for (int heading : headings) {
    SendDlgItemMessageA(window, heading, WM_SETFONT, reinterpret_cast<WPARAM>(HeadingFont()), 0);
  }
}

INT_PTR CALLBACK DialogBase::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
  auto* dialog = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, DWLP_USER));
  // Messages that come before WM_INITDIALOG get the default processing.
  return dialog != nullptr ? dialog->Handle(window, message, wParam, lParam) : 0;
}

INT_PTR DialogBase::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(window);
    case WM_NCACTIVATE:
      focus_.OnNcActivate(wParam != 0);
      break;
    case WM_COMMAND: {
      const int notification = HIWORD(wParam);
      if (notification == 0 || notification == 1) OnCommand(window, LOWORD(wParam));
      break;
    }
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
    case WM_SYSCOMMAND:
      // A system close ends the window at once; nothing is saved.
      if ((wParam & 0xFFF0) == SC_CLOSE) EndDialog(window, 0);
      break;
    default:
      break;
  }
  // The platform's default dialog processing follows every message.
  return 0;
}

}  // namespace vorna
