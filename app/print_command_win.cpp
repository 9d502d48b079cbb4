// Print: the chart on one landscape page, stretched to the printable area.
#include <windows.h>
#include <commdlg.h>
#include <winspool.h>

#include "app/main_window_commands_win.h"
#include "chart/chart_bitmap_win.h"
#include "util/program_identity.h"

namespace vorna {
namespace {

constexpr DWORD kPrintDialogFlags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS |
                                    PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE |
                                    PD_ENABLEPRINTHOOK;

UINT_PTR CALLBACK BringPrintDialogToFront(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetForegroundWindow(dialog);
    return TRUE;
  }
  return 0;
}

// The global memory blocks the print dialog hands back, freed on every path.
class PrintDialogResult {
 public:
  PRINTDLGA request{};
  ~PrintDialogResult() {
    if (request.hDC != nullptr) DeleteDC(request.hDC);
    if (request.hDevMode != nullptr) GlobalFree(request.hDevMode);
    if (request.hDevNames != nullptr) GlobalFree(request.hDevNames);
  }
};

// Turns the page to landscape through the printer's device mode; a driver
// without an orientation setting keeps its own.
void SetLandscape(PRINTDLGA& request) {
  if (request.hDevMode == nullptr || request.hDevNames == nullptr) return;
  auto* names = static_cast<DEVNAMES*>(GlobalLock(request.hDevNames));
  auto* mode = static_cast<DEVMODEA*>(GlobalLock(request.hDevMode));
  if (names != nullptr && mode != nullptr) {
    char* printerName = reinterpret_cast<char*>(names) + names->wDeviceOffset;
    HANDLE printer = nullptr;
    if (OpenPrinterA(printerName, &printer, nullptr)) {
      mode->dmOrientation = DMORIENT_LANDSCAPE;
      mode->dmFields |= DM_ORIENTATION;
      DocumentPropertiesA(nullptr, printer, printerName, mode, mode, DM_IN_BUFFER | DM_OUT_BUFFER);
      ClosePrinter(printer);
    }
    ResetDCA(request.hDC, mode);
  }
  if (mode != nullptr) GlobalUnlock(request.hDevMode);
  if (names != nullptr) GlobalUnlock(request.hDevNames);
}

void CopyChartOntoPage(HDC printer) {
  const ChartBitmap& chart = MainChartBitmap();
  if (!chart.valid()) return;
  GdiFlush();
  const BITMAPINFO info = Rgb24BitmapInfo(chart.width(), chart.height());
  SetStretchBltMode(printer, COLORONCOLOR);
  StretchDIBits(printer, 0, 0, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES), 0,
                0, chart.width(), chart.height(), chart.bits(), &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace

void PrintChart() {
  PrintDialogResult result;
  PRINTDLGA& request = result.request;
  request.lStructSize = sizeof(request);
  request.Flags = kPrintDialogFlags;
  request.lpfnPrintHook = BringPrintDialogToFront;
  if (!PrintDlgA(&request) || request.hDC == nullptr) return;

  SetLandscape(request);
  DOCINFOA document{};
  document.cbSize = sizeof(document);
  document.lpszDocName = kProgramTitle;
  if (StartDocA(request.hDC, &document) <= 0) return;
  if (StartPage(request.hDC) > 0) {
    CopyChartOntoPage(request.hDC);
    EndPage(request.hDC);
  }
  EndDoc(request.hDC);
}

}  // namespace vorna
