// A drawing surface.  The view object draws only through this, so the same picture goes to the
// screen, a printer, an image, an SVG or PDF file, an enhanced metafile or a test's recording.
#pragma once

#include <cstdint>
#include <string>

#include "job/preferences.h"

namespace quill {

enum class PenMode { Copy, Xor, NotXor };
enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

struct CanvasRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Size of the drawing area in device pixels.
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual int PixelsPerInch() const = 0;

  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void FillRect(const CanvasRect& r) = 0;  // with the brush
  virtual void Rectangle(const CanvasRect& r) = 0;  // outline with the pen, inside with the brush
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void SetFont(const std::string& face, int pointSize, Color color) = 0;

  virtual void SetPen(Color color, int width, PenStyle style) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual void SetBrush(Color color, BrushStyle style) = 0;
  virtual void SetClipRect(const CanvasRect& r) = 0;
  virtual void ClearClipRect() = 0;
};

}  // namespace quill
