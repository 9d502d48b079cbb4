#pragma once
// Thin wrappers of platform calls: each makes one call and returns what the
// platform returns. Texts are handed to the platform as the address of
// their characters. The message wrappers share a few shapes: the window,
// an optional index or start, and a text or a value.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

namespace vorna {

// Windows and dialogs; creation parameter and creation data are 0.
HWND CreateDialogWindow(HINSTANCE instance, LPCSTR dialogTemplate, HWND parent, DLGPROC procedure);
HWND CreateWindowWithoutData(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style,
                             int x, int y, int width, int height, HWND parent, HMENU menu,
                             HINSTANCE instance);
INT_PTR RunDialogBox(HINSTANCE instance, LPCSTR dialogTemplate, HWND parent, DLGPROC procedure);

// Image lists.
int AppendIcon(HIMAGELIST list, HICON icon);               // index -1: appended
UINT OverlayMask(int overlayIndex);                        // the index shifted left by 8
BOOL RemoveAllImages(HIMAGELIST list);                     // index -1: all images
HICON IconOfImage(HINSTANCE ignored, HIMAGELIST list, int index);  // flags 0
HIMAGELIST LoadBitmapImageList(HINSTANCE instance, LPCSTR bitmapName, int width, int growCount,
                               COLORREF maskColour);

// List views, tree views and other messages.
LRESULT ListViewGetItemText(HWND window, int item, int subItem, char* buffer, int bufferSize);
LRESULT ListViewSetItemText(HWND window, int item, int subItem, const std::string& text);
LRESULT ListViewSearchText(HWND window, char* buffer);
LRESULT ListViewExtendedStyle(HWND window);
LRESULT ListViewGetItem(HWND window, LVITEMA* item);
LRESULT TreeViewSearchText(HWND window, char* buffer);
LRESULT SendUserMessage100(HWND window, LPARAM value);  // message 0x464, wParam 0
LRESULT SendUserMessage100(HWND window, WPARAM wParam, LPARAM lParam);
LRESULT ClickButton(HWND window);
LRESULT EditCanUndo(HWND window);

// List boxes.
LRESULT ListBoxAddFile(HWND window, const std::string& fileName);
LRESULT ListBoxAddString(HWND window, const std::string& text);
LRESULT ListBoxDirectory(HWND window, UINT attributes, const std::string& pattern);
LRESULT ListBoxFindString(HWND window, int start, const std::string& text);
LRESULT ListBoxFindExactString(HWND window, int start, const std::string& text);
LRESULT ListBoxInsertString(HWND window, int index, const std::string& text);
LRESULT ListBoxSelectString(HWND window, int start, const std::string& text);
// The text of item `index`; a negative index means the current item (the
// caret item in a multiple-selection list box, otherwise the selected one).
// The whole text, however long; empty when there is no such item.
std::string ListBoxText(HWND window, int index);

// Combo boxes.
LRESULT ComboBoxAddString(HWND window, const std::string& text);
LRESULT ComboBoxDirectory(HWND window, UINT attributes, const std::string& pattern);
LRESULT ComboBoxFindString(HWND window, int start, const std::string& text);
LRESULT ComboBoxFindExactString(HWND window, int start, const std::string& text);
LRESULT ComboBoxInsertString(HWND window, const std::string& text);  // at index 0
LRESULT ComboBoxSelectString(HWND window, int start, const std::string& text);
// The text of item `index` (negative: the selected item) padded with NULs
// to 255 characters; a longer text comes back whole. No such item gives 255
// NULs.
std::string ComboBoxText(HWND window, int index);

// The printer choice handed to the print dialogs and kept from one call to
// the next: both 0 until a dialog returns them.
HGLOBAL& DevModeHandle();
HGLOBAL& DevNamesHandle();

// The print dialog, with the help button shown: the pages start at
// max(fromPage, minPage) and end at max(min(toPage, maxPage), minPage).
// On OK writes flags, dc, copies, fromPage and toPage and returns 1;
// otherwise returns 0 and writes nothing.
int PrintDialog(HWND owner, DWORD& flags, HDC& dc, std::uint16_t& copies, std::uint16_t& fromPage,
                std::uint16_t& toPage, std::uint16_t minPage, std::uint16_t maxPage);
// The printer set-up dialog: 1 on OK, otherwise 0.
int PrinterSetup(HWND owner);

}  // namespace vorna
