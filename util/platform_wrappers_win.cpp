#include "util/platform_wrappers_win.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace vorna {
namespace {

#ifndef _WIN64
static_assert(sizeof(PRINTDLGA) == 66, "print request record");
#endif

constexpr UINT kUserMessage100 = WM_USER + 100;
constexpr std::size_t kComboTextLength = 255;

// The shapes the message wrappers share.
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(window, message, wParam, lParam);
}
LRESULT SendText(HWND window, UINT message, WPARAM wParam, const std::string& text) {
  return Send(window, message, wParam, reinterpret_cast<LPARAM>(text.c_str()));
}
LRESULT SendBuffer(HWND window, UINT message, char* buffer) {
  return Send(window, message, 0, reinterpret_cast<LPARAM>(buffer));
}
LRESULT SendItemText(HWND window, UINT message, int item, int subItem, char* text, int size) {
  LVITEMA record{};
  record.iSubItem = subItem;
  record.pszText = text;
  record.cchTextMax = size;
  return Send(window, message, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&record));
}

// The text of one item, read in full: the platform gives its length first.
std::string ItemText(HWND window, UINT lengthMessage, UINT textMessage, WPARAM index) {
  LRESULT length = Send(window, lengthMessage, index);
  if (length < 0) return {};
  std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
  if (Send(window, textMessage, index, reinterpret_cast<LPARAM>(text.data())) < 0) return {};
  return std::string(text.data());
}

struct PrinterChoice {
  HGLOBAL devMode = nullptr;
  HGLOBAL devNames = nullptr;
};

PrinterChoice& KeptPrinterChoice() {
  static PrinterChoice choice;
  return choice;
}

// Runs the dialog with the kept printer choice and keeps what it returns.
bool RunPrintDialog(PRINTDLGA& request) {
  request.lStructSize = sizeof(request);
  request.hDevMode = DevModeHandle();
  request.hDevNames = DevNamesHandle();
  bool confirmed = PrintDlgA(&request) != FALSE;
  DevModeHandle() = request.hDevMode;
  DevNamesHandle() = request.hDevNames;
  return confirmed;
}

}  // namespace

HWND CreateDialogWindow(HINSTANCE instance, LPCSTR dialogTemplate, HWND parent, DLGPROC procedure) {
  return CreateDialogParamA(instance, dialogTemplate, parent, procedure, 0);
}
HWND CreateWindowWithoutData(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                             int x, int y, int width, int height, HWND parent, HMENU menu,
                             HINSTANCE instance) {
  return CreateWindowExA(exStyle, className, windowName, style, x, y, width, height, parent, menu,
                         instance, nullptr);
}
INT_PTR RunDialogBox(HINSTANCE instance, LPCSTR dialogTemplate, HWND parent, DLGPROC procedure) {
  return DialogBoxParamA(instance, dialogTemplate, parent, procedure, 0);
}

int AppendIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }
UINT OverlayMask(int overlayIndex) { return static_cast<UINT>(overlayIndex) << 8; }
BOOL RemoveAllImages(HIMAGELIST list) { return ImageList_Remove(list, -1); }
HICON IconOfImage(HINSTANCE, HIMAGELIST list, int index) { return ImageList_GetIcon(list, index, 0); }
HIMAGELIST LoadBitmapImageList(HINSTANCE instance, LPCSTR bitmapName, int width, int growCount,
                               COLORREF maskColour) {
  return ImageList_LoadImageA(instance, bitmapName, width, growCount, maskColour, IMAGE_BITMAP, 0);
}

LRESULT ListViewGetItemText(HWND window, int item, int subItem, char* buffer, int bufferSize) {
  return SendItemText(window, LVM_GETITEMTEXTA, item, subItem, buffer, bufferSize);
}
LRESULT ListViewSetItemText(HWND window, int item, int subItem, const std::string& text) {
  return SendItemText(window, LVM_SETITEMTEXTA, item, subItem, const_cast<char*>(text.c_str()), 0);
}
LRESULT ListViewSearchText(HWND window, char* buffer) {
  return SendBuffer(window, LVM_GETISEARCHSTRINGA, buffer);
}
LRESULT ListViewExtendedStyle(HWND window) { return Send(window, LVM_GETEXTENDEDLISTVIEWSTYLE); }
LRESULT ListViewGetItem(HWND window, LVITEMA* item) {
  return Send(window, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(item));
}
LRESULT TreeViewSearchText(HWND window, char* buffer) {
  return SendBuffer(window, TVM_GETISEARCHSTRINGA, buffer);
}
LRESULT SendUserMessage100(HWND window, LPARAM value) {
  return Send(window, kUserMessage100, 0, value);
}
LRESULT SendUserMessage100(HWND window, WPARAM wParam, LPARAM lParam) {
  return Send(window, kUserMessage100, wParam, lParam);
}
LRESULT ClickButton(HWND window) { return Send(window, BM_CLICK); }
LRESULT EditCanUndo(HWND window) { return Send(window, EM_CANUNDO); }

LRESULT ListBoxAddFile(HWND window, const std::string& fileName) {
  return SendText(window, LB_ADDFILE, 0, fileName);
}
LRESULT ListBoxAddString(HWND window, const std::string& text) {
  return SendText(window, LB_ADDSTRING, 0, text);
}
LRESULT ListBoxDirectory(HWND window, UINT attributes, const std::string& pattern) {
  return SendText(window, LB_DIR, attributes, pattern);
}
LRESULT ListBoxFindString(HWND window, int start, const std::string& text) {
  return SendText(window, LB_FINDSTRING, static_cast<WPARAM>(start), text);
}
LRESULT ListBoxFindExactString(HWND window, int start, const std::string& text) {
  return SendText(window, LB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
}
LRESULT ListBoxInsertString(HWND window, int index, const std::string& text) {
  return SendText(window, LB_INSERTSTRING, static_cast<WPARAM>(index), text);
}
LRESULT ListBoxSelectString(HWND window, int start, const std::string& text) {
  return SendText(window, LB_SELECTSTRING, static_cast<WPARAM>(start), text);
}
std::string ListBoxText(HWND window, int index) {
  if (index < 0) {
    bool multiple = (GetWindowLongA(window, GWL_STYLE) & LBS_MULTIPLESEL) != 0;
    index = static_cast<int>(Send(window, multiple ? LB_GETCARETINDEX : LB_GETCURSEL));
    if (index < 0) return {};
  }
  return ItemText(window, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(index));
}

LRESULT ComboBoxAddString(HWND window, const std::string& text) {
  return SendText(window, CB_ADDSTRING, 0, text);
}
LRESULT ComboBoxDirectory(HWND window, UINT attributes, const std::string& pattern) {
  return SendText(window, CB_DIR, attributes, pattern);
}
LRESULT ComboBoxFindString(HWND window, int start, const std::string& text) {
  return SendText(window, CB_FINDSTRING, static_cast<WPARAM>(start), text);
}
LRESULT ComboBoxFindExactString(HWND window, int start, const std::string& text) {
  return SendText(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(start), text);
}
LRESULT ComboBoxInsertString(HWND window, const std::string& text) {
  return SendText(window, CB_INSERTSTRING, 0, text);
}
LRESULT ComboBoxSelectString(HWND window, int start, const std::string& text) {
  return SendText(window, CB_SELECTSTRING, static_cast<WPARAM>(start), text);
}
std::string ComboBoxText(HWND window, int index) {
  if (index < 0) index = static_cast<int>(Send(window, CB_GETCURSEL));
  std::string text =
      index < 0 ? std::string() : ItemText(window, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
  if (text.size() < kComboTextLength) text.resize(kComboTextLength, '\0');
  return text;
}

HGLOBAL& DevModeHandle() { return KeptPrinterChoice().devMode; }
HGLOBAL& DevNamesHandle() { return KeptPrinterChoice().devNames; }

int PrintDialog(HWND owner, DWORD& flags, HDC& dc, std::uint16_t& copies, std::uint16_t& fromPage,
                std::uint16_t& toPage, std::uint16_t minPage, std::uint16_t maxPage) {
  PRINTDLGA request{};
  request.hwndOwner = owner;
  request.Flags = flags | PD_SHOWHELP;
  request.nCopies = copies;
  request.nFromPage = std::max(fromPage, minPage);
  request.nToPage = std::max(std::min(toPage, maxPage), minPage);
  request.nMinPage = minPage;
  request.nMaxPage = maxPage;
  if (!RunPrintDialog(request)) return 0;
  flags = request.Flags;
  dc = request.hDC;
  copies = request.nCopies;
  fromPage = request.nFromPage;
  toPage = request.nToPage;
  return 1;
}

int PrinterSetup(HWND owner) {
  PRINTDLGA request{};
  request.hwndOwner = owner;
  request.Flags = PD_PRINTSETUP | PD_SHOWHELP;
  return RunPrintDialog(request) ? 1 : 0;
}

}  // namespace vorna
