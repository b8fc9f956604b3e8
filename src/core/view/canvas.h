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
  virtual void FillRect(const CanvasRect& r) = 0;   // with the brush
  virtual void Rectangle(const CanvasRect& r) = 0;  // outline with the pen, inside with the brush
  // Text with its top-left corner at (x, y); a solid brush fills the text's cell behind it.
  virtual void TextOut(int x, int y, const std::string& text) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // size > 0: points; size < 0: the character cell is -size pixels high (sizes that follow the zoom).
  virtual void SetFont(const std::string& face, int size, Color color) = 0;

  virtual void SetPen(Color color, int width, PenStyle style) = 0;
  virtual void SetPenMode(PenMode mode) = 0;
  virtual void SetBrush(Color color, BrushStyle style) = 0;
  virtual void SetClipRect(const CanvasRect& r) = 0;
  virtual void ClearClipRect() = 0;

  // The rectangle pictures are mapped onto: the whole surface unless a surface says otherwise.
  virtual CanvasRect ClipBox() const { return {0, 0, Width(), Height()}; }
  // True for a surface someone watches while it is drawn (the screen): moving marks such as the cutter
  // picture are animated there; on files and prints only their last state is drawn.
  virtual bool Interactive() const { return false; }
};

}  // namespace quill
