// A canvas that keeps what is drawn on it as a list of operations, for tests and for drawing passes
// that only collect extents.  With keep off it only counts them, so memory stays flat.
#pragma once

#include <string>
#include <vector>

#include "view/canvas.h"

namespace quill {

struct CanvasOp {
  enum Kind { Move, Line, Fill, Rect, Text, Pen, Mode, Brush, Font, Clip, NoClip } kind = Move;
  int x = 0, y = 0;  // Move, Line, Text: the point; Pen: width; Font: size
  CanvasRect rect;   // Fill, Rect, Clip
  Color color = 0;   // Pen, Brush, Font
  PenStyle style = PenStyle::Solid;
  PenMode mode = PenMode::Copy;
  BrushStyle brush = BrushStyle::Solid;
  std::string text;  // Text, Font (face)
};

class RecordingCanvas : public Canvas {
 public:
  RecordingCanvas(int width = 800, int height = 400, int dpi = 96, bool keep = true)
      : width_(width), height_(height), dpi_(dpi), keep_(keep) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int PixelsPerInch() const override { return dpi_; }

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
  bool Interactive() const override { return interactive_; }
  void SetInteractive(bool on) { interactive_ = on; }

  const std::vector<CanvasOp>& Ops() const { return ops_; }
  long Count() const { return count_; }
  long Lines() const { return lines_; }
  void Reset();

  // The current pen as the last SetPen/SetPenMode left it.
  Color PenColor() const { return penColor_; }
  int PenWidth() const { return penWidth_; }
  PenStyle Style() const { return penStyle_; }
  PenMode Mode() const { return penMode_; }

 private:
  CanvasOp& Add(CanvasOp::Kind kind);

  int width_, height_, dpi_;
  bool keep_;
  bool interactive_ = false;
  std::vector<CanvasOp> ops_;
  CanvasOp scratch_;  // the one operation filled in when nothing is kept
  long count_ = 0;
  long lines_ = 0;
  double cell_ = 12;
  Color penColor_ = 0;
  int penWidth_ = 1;
  PenStyle penStyle_ = PenStyle::Solid;
  PenMode penMode_ = PenMode::Copy;
};

}  // namespace quill
