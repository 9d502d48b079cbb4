#include "chart/gdi_canvas_win.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "win/dialog_fonts_win.h"

namespace vorna {
namespace {

int TextLength(std::string_view text) {
  return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
}

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, int width, int height, int logPixelsY, HWND showIn)
    : dc_(dc), width_(width), height_(height), logPixelsY_(logPixelsY), showIn_(showIn) {
  SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  SetBkMode(dc_, OPAQUE);
}

HFONT GdiCanvas::FontFor(const Font& font) {
  const auto found = fonts_.find(font);
  if (found != fonts_.end()) return found->second.get();
  LOGFONTA description{};
  description.lfHeight = FontHeightForPoints(font.pointSize, logPixelsY_);
  description.lfWeight = font.weight;
  description.lfCharSet = ANSI_CHARSET;
  const std::size_t length = std::min(font.face.size(), sizeof description.lfFaceName - 1);
  std::memcpy(description.lfFaceName, font.face.data(), length);
  return fonts_.try_emplace(font, CreateFontIndirectA(&description)).first->second.get();
}

void GdiCanvas::Clear(Colour background) {
  ScopedBrush brush(CreateSolidBrush(ToColorRef(background)));
  RECT whole{0, 0, width_, height_};
  FillRect(dc_, &whole, brush.get());
}

TextSize GdiCanvas::MeasureText(const Font& font, std::string_view text) {
  ScopedSelection selection(dc_, FontFor(font));
  SIZE size{};
  GetTextExtentPoint32A(dc_, text.data(), TextLength(text), &size);
  return TextSize{size.cx, size.cy};
}

void GdiCanvas::DrawTextOpaque(const Font& font, std::string_view text, int x, int y,
                               Colour colour, Colour background) {
  ScopedSelection selection(dc_, FontFor(font));
  SetTextColor(dc_, ToColorRef(colour));
  SetBkColor(dc_, ToColorRef(background));
  TextOutA(dc_, x, y, text.data(), TextLength(text));
}

void GdiCanvas::DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline, Colour fill) {
  ScopedPen pen(CreatePen(PS_SOLID, 1, ToColorRef(outline)));
  ScopedBrush brush(CreateSolidBrush(ToColorRef(fill)));
  ScopedSelection penSelection(dc_, pen.get());
  ScopedSelection brushSelection(dc_, brush.get());
  // GDI leaves out the right column and bottom row; the outline passes
  // through both corners.
  Rectangle(dc_, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1,
            std::max(y1, y2) + 1);
}

void GdiCanvas::DrawLine(int x1, int y1, int x2, int y2, Colour colour) {
  ScopedPen pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
  ScopedSelection selection(dc_, pen.get());
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
  // GDI leaves out the end pixel.
  SetPixelV(dc_, x2, y2, ToColorRef(colour));
}

void GdiCanvas::Present() {
  GdiFlush();
  if (showIn_ != nullptr) {
    InvalidateRect(showIn_, nullptr, FALSE);
    UpdateWindow(showIn_);
  }
}

}  // namespace vorna
