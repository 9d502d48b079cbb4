#pragma once
// Keeps a window's keyboard focus across deactivation: the control that
// had it when the window was deactivated gets it back on the next
// activation (WM_NCACTIVATE).

#include <windows.h>

namespace vorna {

class FocusKeeper {
 public:
  void OnNcActivate(bool active) {
    if (!active) {
      savedFocus_ = GetFocus();
    } else if (savedFocus_ != nullptr) {
      SetFocus(savedFocus_);
      savedFocus_ = nullptr;
    }
  }
  void Forget() { savedFocus_ = nullptr; }

 private:
  HWND savedFocus_ = nullptr;
};

}  // namespace vorna
