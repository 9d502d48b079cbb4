#include "chart/chart_bitmap_win.h"

namespace vorna {

void ChartBitmap::Create(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  CreateFilled(client.right - client.left, client.bottom - client.top, GetSysColorBrush(COLOR_BTNFACE));
}

void ChartBitmap::Create(int width, int height, Colour background) {
  ScopedBrush brush(CreateSolidBrush(RGB(background.red, background.green, background.blue)));
  CreateFilled(width, height, brush.get());
}

void ChartBitmap::CreateFilled(int width, int height, HBRUSH fill) {
  Destroy();
  width_ = width;
  height_ = height;
  if (width_ <= 0 || height_ <= 0) return;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = height_;  // positive: rows bottom-up, as in a .bmp file
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ScopedWindowDc screen(nullptr);
  bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_.get()) return;
  bits_ = static_cast<unsigned char*>(bits);
  dc_ = CreateCompatibleDC(screen.get());
  previousBitmap_ = SelectObject(dc_, bitmap_.get());

  RECT whole{0, 0, width_, height_};
  FillRect(dc_, &whole, fill);
  GdiFlush();
}

void ChartBitmap::Destroy() {
  if (dc_ != nullptr) {
    SelectObject(dc_, previousBitmap_);
    DeleteDC(dc_);
    dc_ = nullptr;
  }
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

void ChartBitmap::PaintInto(HDC target) const {
  if (dc_ != nullptr) BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
}

ChartBitmap& MainChartBitmap() {
  static ChartBitmap bitmap;
  return bitmap;
}

}  // namespace vorna
