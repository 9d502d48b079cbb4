#include "chart/chart_bitmap_win.h"

namespace vorna {

BITMAPINFO Rgb24BitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

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

  const BITMAPINFO info = Rgb24BitmapInfo(width_, height_);
  void* bits = nullptr;
  ScopedWindowDc screen(nullptr);
  bitmap_.reset(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_.get()) return;
  bits_ = static_cast<unsigned char*>(bits);
  dc_.reset(CreateCompatibleDC(screen.get()));
  selection_.emplace(dc_.get(), bitmap_.get());

  RECT whole{0, 0, width_, height_};
  FillRect(dc_.get(), &whole, fill);
  GdiFlush();
}

void ChartBitmap::Destroy() {
  selection_.reset();
  dc_.reset();
  bitmap_.reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

void ChartBitmap::PaintInto(HDC target) const {
  if (dc_.get() != nullptr) BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

ChartBitmap& MainChartBitmap() {
  static ChartBitmap bitmap;
  return bitmap;
}

}  // namespace vorna
