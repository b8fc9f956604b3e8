// A small software canvas for picture comparisons: one-pixel lines (dashes by a fixed pattern), pen
// modes, rectangles, and text as a filled box of its measured size.  Written as binary PPM.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "view/canvas.h"
#include "view/text_metrics.h"

namespace quill::test {

class PixelCanvas : public Canvas {
 public:
  PixelCanvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, clWhite) {}

  int Width() const override { return w_; }
  int Height() const override { return h_; }
  int PixelsPerInch() const override { return 96; }
  void MoveTo(int x, int y) override { x_ = x, y_ = y; }
  void LineTo(int x, int y) override {
    if (style_ != PenStyle::Clear) Line(x_, y_, x, y);
    x_ = x, y_ = y;
  }
  void FillRect(const CanvasRect& r) override { Fill(r, brush_); }
  void Rectangle(const CanvasRect& r) override {
    MoveTo(r.left, r.top);
    for (auto [x, y] :
         {std::pair{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, {r.left, r.top}}) {
      LineTo(x, y);
    }
  }
  void TextOut(int x, int y, const std::string& text) override {
    Fill({x, y, x + TextWidth(text), y + TextHeight(text)}, text_);
  }
  int TextWidth(const std::string& text) override { return ArialTextWidth(text, cell_); }
  int TextHeight(const std::string&) override { return static_cast<int>(cell_ * 0.6); }
  void SetFont(const std::string&, int size, Color color) override {
    cell_ = CellPixels(size, 96);
    text_ = color;
  }
  void SetPen(Color color, int, PenStyle style) override { pen_ = color, style_ = style; }
  void SetPenMode(PenMode mode) override { mode_ = mode; }
  void SetBrush(Color color, BrushStyle) override { brush_ = color; }
  void SetClipRect(const CanvasRect&) override {}
  void ClearClipRect() override {}

  Color At(int x, int y) const { return px_[static_cast<size_t>(y) * w_ + x]; }
  const std::vector<Color>& Pixels() const { return px_; }
  bool WritePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << w_ << " " << h_ << "\n255\n";
    for (Color c : px_)
      out.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8 & 0xFF)).put(static_cast<char>(c >> 16 & 0xFF));
    return static_cast<bool>(out);
  }
  static bool ReadPpm(const std::string& path, int& w, int& h, std::vector<Color>& px) {
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int max = 0;
    if (!(in >> magic >> w >> h >> max) || magic != "P6" || w <= 0 || h <= 0 || w > 10000 || h > 10000) return false;
    in.get();
    px.assign(static_cast<size_t>(w) * h, 0);
    for (Color& c : px) {
      unsigned char rgb[3];
      if (!in.read(reinterpret_cast<char*>(rgb), 3)) return false;
      c = rgb[0] | rgb[1] << 8 | rgb[2] << 16;
    }
    return true;
  }

 private:
  void Plot(int x, int y, Color c) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return;
    Color& p = px_[static_cast<size_t>(y) * w_ + x];
    p = mode_ == PenMode::Copy ? c : (mode_ == PenMode::Xor ? p ^ c : ~(p ^ c) & 0xFFFFFF);
  }
  void Fill(const CanvasRect& r, Color c) {
    for (int y = std::max(0, r.top); y < std::min(h_, r.bottom); ++y) {
      for (int x = std::max(0, r.left); x < std::min(w_, r.right); ++x) px_[static_cast<size_t>(y) * w_ + x] = c;
    }
  }
  // Bresenham without the last point, as lines on a screen are drawn.
  void Line(int x0, int y0, int x1, int y1) {
    int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0), sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (int step = 0; x0 != x1 || y0 != y1; ++step) {
      if (style_ == PenStyle::Solid || step % 8 < 5) Plot(x0, y0, pen_);
      int e2 = 2 * err;
      if (e2 >= dy) err += dy, x0 += sx;
      if (e2 <= dx) err += dx, y0 += sy;
    }
  }

  int w_, h_;
  std::vector<Color> px_;
  int x_ = 0, y_ = 0;
  Color pen_ = clBlack, brush_ = clWhite, text_ = clBlack;
  PenStyle style_ = PenStyle::Solid;
  PenMode mode_ = PenMode::Copy;
  double cell_ = 12;
};

}  // namespace quill::test
