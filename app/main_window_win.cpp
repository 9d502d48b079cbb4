#include "app/main_window_win.h"

#include "app/main_window_commands_win.h"
#include "app/main_window_layout_win.h"
#include "chart/chart_bitmap_win.h"
#include "settings/settings_boxes_win.h"
#include "settings/settings_dialog_win.h"
#include "settings/settings_file.h"
#include "win/dialog_fonts_win.h"
#include "win/dialog_template_win.h"
#include "win/focus_keeper_win.h"
#include "win/win_handles_win.h"

namespace vorna {

HWND MainWindow = nullptr;

namespace {

constexpr int kIconResource = 103;

FocusKeeper SavedFocus;
ScopedFont HeadingFont;

void SetProgramIcon(HWND window) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  auto large = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, 32, 32, 0));
  auto small = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, 16, 16, 0));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

void OnInitDialog(HWND window) {
  MainWindow = window;
  SetProgramIcon(window);
  HeadingFont.reset(CreateHeadingFont(true));
  for (int heading : {kTestLimitsHeading, kDisplayRangesHeading}) {
    SendDlgItemMessageA(window, heading, WM_SETFONT, reinterpret_cast<WPARAM>(HeadingFont.get()),
                        0);
  }
  MainChartBitmap().Create(GetDlgItem(window, kChartArea));
  FillSettingsBoxes(window, EditedIn::MainWindow);
  ShowWindow(GetDlgItem(window, kReportButton), SW_HIDE);
}

void OnEnd(HWND window) {
  SaveSettings();
  EndDialog(window, 0);
}

void OnCommand(HWND window, int id, int notification) {
  // Commands run for clicks (0) and accelerators (1) only.
  if (notification != 0 && notification != 1) return;
  switch (id) {
    case kOpenButton:
      OpenTest();
      break;
    case kEndButton:
      OnEnd(window);
      break;
    case kBmpButton:
      SaveChartBitmap();
      break;
    case kPrintButton:
      PrintChart();
      break;
    case kSettingsButton:
      ShowSettingsDialog(window);
      break;
    case kReportButton:
      ShowOutOfSpecReport();
      break;
    default:
      break;
  }
}

void OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == kChartArea) MainChartBitmap().PaintInto(item.hDC);
}

INT_PTR CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(window);
      break;
    case WM_NCACTIVATE:
      SavedFocus.OnNcActivate(wParam != 0);
      break;
    case WM_COMMAND:
      OnCommand(window, LOWORD(wParam), HIWORD(wParam));
      break;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
    case WM_SYSCOMMAND:
      // A system close ends the window at once without saving.
      if ((wParam & 0xFFF0) == SC_CLOSE) EndDialog(window, 0);
      break;
    default:
      break;
  }
  // Always 0: the platform's default dialog processing follows.
  return 0;
}

}  // namespace

void BuildMainWindow(HWND owner) {
  DialogTemplate dialog(MainWindowSpec(), MainWindowControls());
  DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.get(), owner, MainWindowProcedure, 0);
  MainWindow = nullptr;
  MainChartBitmap().Destroy();
  HeadingFont.reset();
}

void ReadLimitBoxes() {
  ReadSettingsBoxes(MainWindow, EditedIn::MainWindow);
}

}  // namespace vorna
