#include "app/main_window_win.h"

#include "app/main_window_commands_win.h"
#include "app/main_window_layout_win.h"
#include "chart/chart_bitmap_win.h"
#include "settings/settings_boxes_win.h"
#include "settings/settings_dialog_win.h"
#include "settings/settings_file.h"
#include "win/dialog_base_win.h"

namespace vorna {

HWND MainWindow = nullptr;

namespace {

constexpr int kIconResource = 103;

void SetProgramIcon(HWND window) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  auto large = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, 32, 32, 0));
  auto small = static_cast<HICON>(
      LoadImageA(instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, 16, 16, 0));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

class MainWindowDialog : public DialogBase {
 protected:
  INT_PTR OnInitDialog(HWND window) override {
    MainWindow = window;
    SetProgramIcon(window);
    SetHeadingFont(window, {kTestLimitsHeading, kDisplayRangesHeading});
    MainChartBitmap().Create(GetDlgItem(window, kChartArea));
    FillSettingsBoxes(window, EditedIn::MainWindow);
    ShowWindow(GetDlgItem(window, kReportButton), SW_HIDE);
    // Like every other message, 0: the dialog manager then gives no control
    // the focus of its own accord.
    return 0;
  }

  void OnCommand(HWND window, int id) override {
    switch (id) {
      case kOpenButton:
        OpenTest();
        break;
      case kEndButton:
        SaveSettings();
        EndDialog(window, 0);
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

  void OnDrawItem(const DRAWITEMSTRUCT& item) override {
    if (item.CtlID == kChartArea) MainChartBitmap().PaintInto(item.hDC);
  }
};

}  // namespace

void BuildMainWindow(HWND owner) {
  MainWindowDialog dialog;
  dialog.Run(owner, MainWindowSpec(), MainWindowControls(), true);
  MainWindow = nullptr;
  MainChartBitmap().Destroy();
}

void ReadLimitBoxes() {
  ReadSettingsBoxes(MainWindow, EditedIn::MainWindow);
}

}  // namespace vorna
