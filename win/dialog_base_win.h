#pragma once
// What both windows of the program do alike: built in memory from their
// control table and run modally; the control that had the focus gets it
// back when the window is activated again (WM_NCACTIVATE); a system close
// ends the window; commands run for clicks (notification 0) and
// accelerators (1) only; a heading font that lives from before the window
// is built until after it has closed. A window derives from DialogBase and
// handles only what is its own.

#include <windows.h>

#include <vector>

#include "win/dialog_template_win.h"
#include "win/focus_keeper_win.h"
#include "win/win_handles_win.h"

namespace vorna {

class DialogBase {
 public:
  virtual ~DialogBase() = default;

  // Builds the window from `spec` and `controls` and runs it modally with
  // `owner` (or none); returns when it has ended. The heading font (bold,
  // underlined or not) exists for exactly that time.
  void Run(HWND owner, const WindowSpec& spec, const std::vector<ControlSpec>& controls,
           bool underlinedHeading);

 protected:
  // WM_INITDIALOG; its result is what the dialog procedure returns for it
  // (TRUE: the platform gives the first tab stop the focus).
  virtual INT_PTR OnInitDialog(HWND window) = 0;
  // A command of control `id`, for notification codes 0 and 1 only.
  virtual void OnCommand(HWND window, int id) = 0;
  // WM_DRAWITEM of an owner-drawn control.
  virtual void OnDrawItem(const DRAWITEMSTRUCT&) {}

  HFONT HeadingFont() const { return headingFont_.get(); }
  // Sets the heading font on each control of `headings`.
  void SetHeadingFont(HWND window, const std::vector<int>& headings) const;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  FocusKeeper focus_;
  ScopedFont headingFont_;
};

}  // namespace vorna
