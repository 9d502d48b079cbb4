#pragma once
// A Canvas that records every call, with fixed text metrics: each font has
// a fixed width per character and a fixed line height, so positions of
// measured texts can be checked exactly.

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chart/canvas.h"

namespace vorna {

struct FontMetrics {
  int charWidth = 0;
  int height = 0;
};

// The default metrics of the fonts the chart uses.
inline std::map<Font, FontMetrics> DefaultFontMetrics() {
  return {
      {Font{"MS Sans Serif", 8, 400}, {8, 13}},
      {Font{"Times New Roman", 6, 400}, {4, 10}},
      {Font{"Times New Roman", 7, 400}, {5, 11}},
      {Font{"Times New Roman", 8, 400}, {6, 12}},
      {Font{"Times New Roman", 15, 700}, {12, 23}},
  };
}

enum class Op { Clear, Measure, Text, Rectangle, Line, Present };

struct Recorded {
  Op op = Op::Clear;
  Font font;             // Measure, Text
  std::string text;      // Measure, Text
  int x1 = 0, y1 = 0;    // Text: top-left; Rectangle, Line: first corner or end
  int x2 = 0, y2 = 0;    // Rectangle, Line: second corner or end
  Colour colour;         // Text, Line; Rectangle: outline; Clear: background
  Colour background;     // Text; Rectangle: fill
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width, int height, std::map<Font, FontMetrics> metrics = DefaultFontMetrics())
      : width_(width), height_(height), metrics_(std::move(metrics)) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }

  void Clear(Colour background) override {
    Recorded& item = Add(Op::Clear);
    item.colour = background;
  }
  TextSize MeasureText(const Font& font, std::string_view text) override {
    Recorded& item = Add(Op::Measure);
    item.font = font;
    item.text = std::string(text);
    return Size(font, text);
  }
  void DrawTextOpaque(const Font& font, std::string_view text, int x, int y, Colour colour,
                      Colour background) override {
    Recorded& item = Add(Op::Text, x, y);
    item.font = font;
    item.text = std::string(text);
    item.colour = colour;
    item.background = background;
  }
  void DrawFilledRectangle(int x1, int y1, int x2, int y2, Colour outline, Colour fill) override {
    Recorded& item = Add(Op::Rectangle, x1, y1, x2, y2);
    item.colour = outline;
    item.background = fill;
  }
  void DrawLine(int x1, int y1, int x2, int y2, Colour colour) override {
    Add(Op::Line, x1, y1, x2, y2).colour = colour;
  }
  void Present() override { Add(Op::Present); }

  // The size a text has in a font under these metrics (unknown fonts: 7 by 14).
  TextSize Size(const Font& font, std::string_view text) const {
    const auto found = metrics_.find(font);
    const FontMetrics metrics = found == metrics_.end() ? FontMetrics{7, 14} : found->second;
    return TextSize{metrics.charWidth * static_cast<int>(text.size()), metrics.height};
  }

  std::vector<Recorded> Of(Op op) const {
    std::vector<Recorded> found;
    for (const Recorded& item : calls) {
      if (item.op == op) found.push_back(item);
    }
    return found;
  }

  std::vector<Recorded> calls;

 private:
  Recorded& Add(Op op, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0) {
    Recorded item;
    item.op = op;
    item.x1 = x1;
    item.y1 = y1;
    item.x2 = x2;
    item.y2 = y2;
    calls.push_back(item);
    return calls.back();
  }

  int width_;
  int height_;
  std::map<Font, FontMetrics> metrics_;
};

}  // namespace vorna
