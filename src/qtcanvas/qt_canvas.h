// The view's canvas on a QPainter: the screen, the printer, an image, an SVG or a PDF.  Lines that
// follow one another are painted as one polyline, which keeps large tool paths fast.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPolygon>

#include "view/canvas.h"

namespace quill {

class QtCanvas : public Canvas {
 public:
  // device must outlive the canvas; dpi 0: the device's own resolution.
  explicit QtCanvas(QPaintDevice& device, int dpi = 0, bool interactive = false);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  // Paints what is pending and ends the painter; false when painting failed.
  bool End();
  // Smooth (antialiased) lines and outlines in copy mode, for the screen.  The canvas's whole-pixel
  // points are taken as pixel centres, so level and upright lines stay one sharp pixel wide.  XOR and
  // NOT-XOR pens are never smoothed: drawing twice must give the old pixels back.
  void SetSmooth(bool on);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int PixelsPerInch() const override { return dpi_; }
  bool Interactive() const override { return interactive_; }

  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void FillRect(const CanvasRect& r) override;
  void Rectangle(const CanvasRect& r) override;
  void TextOut(int x, int y, const std::string& text) override;
  int TextWidth(const std::string& text) override;
  int TextHeight(const std::string& text) override;
  void SetFont(const std::string& face, int size, Color color) override;
  void SetPen(Color color, int width, PenStyle style) override;
  void SetPenMode(PenMode mode) override;
  void SetBrush(Color color, BrushStyle style) override;
  void SetClipRect(const CanvasRect& r) override;
  void ClearClipRect() override;

 private:
  void Flush();
  void ApplyHints();
  bool Smoothing() const { return smooth_ && mode_ == PenMode::Copy; }

  QPaintDevice& device_;
  QPainter painter_;
  int width_, height_, dpi_;
  bool interactive_;
  bool rasterOps_;
  QPolygon pending_;
  QPoint at_;
  QFont font_;
  QColor textColor_;
  QColor brushColor_;
  bool brushSolid_ = true;
  bool smooth_ = false;
  PenMode mode_ = PenMode::Copy;
};

}  // namespace quill
