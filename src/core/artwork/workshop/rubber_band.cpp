#include "artwork/workshop/rubber_band.h"

#include <algorithm>
#include <cmath>

#include "mathlib/constants.h"

namespace quill {

namespace {

// A band circle is a polygon of this many sides: round enough at every size on a screen.
constexpr int kCircleSides = 72;

void Circle(Canvas& canvas, PixelPoint c, double r) {
  canvas.MoveTo(c.x + static_cast<int>(std::lround(r)), c.y);
  for (int i = 1; i <= kCircleSides; ++i) {
    double a = TwoPi * i / kCircleSides;
    canvas.LineTo(c.x + static_cast<int>(std::lround(r * std::cos(a))),
                  c.y - static_cast<int>(std::lround(r * std::sin(a))));
  }
}

}  // namespace

void RubberBandPainter::Begin(RubberBand kind, PixelPoint anchor) {
  kind_ = kind;
  anchor_ = cursor_ = anchor;
  shown_ = pending_ = false;
}

void RubberBandPainter::Follow(Canvas& canvas, bool blackBackground, PixelPoint cursor) {
  if (kind_ == RubberBand::None) return;
  if (shown_) Draw(canvas, blackBackground);
  cursor_ = cursor;
  Draw(canvas, blackBackground);
  shown_ = true;
  pending_ = false;
}

void RubberBandPainter::Hide(Canvas& canvas, bool blackBackground) {
  if (!shown_) return;
  Draw(canvas, blackBackground);
  shown_ = false;
  pending_ = true;
}

void RubberBandPainter::Lost() {
  if (shown_) pending_ = true;
  shown_ = false;
}

void RubberBandPainter::Restore(Canvas& canvas, bool blackBackground) {
  if (!pending_ || kind_ == RubberBand::None) return;
  Draw(canvas, blackBackground);
  shown_ = true;
  pending_ = false;
}

void RubberBandPainter::End(Canvas& canvas, bool blackBackground) {
  if (shown_) Draw(canvas, blackBackground);
  shown_ = pending_ = false;
  kind_ = RubberBand::None;
}

void RubberBandPainter::Draw(Canvas& canvas, bool blackBackground) {
  canvas.SetPen(blackBackground ? clWhite : clBlack, 1, PenStyle::Solid);
  canvas.SetPenMode(blackBackground ? PenMode::Xor : PenMode::NotXor);
  canvas.SetBrush(clBlack, BrushStyle::Clear);
  PixelPoint a = anchor_, c = cursor_;
  switch (kind_) {
    case RubberBand::Box:
      canvas.Rectangle({std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)});
      break;
    case RubberBand::LineCircle:
    case RubberBand::Line:
      canvas.MoveTo(a.x, a.y);
      canvas.LineTo(c.x, c.y);
      if (kind_ == RubberBand::Line) break;
      [[fallthrough]];
    case RubberBand::Circle: Circle(canvas, a, std::hypot(c.x - a.x, c.y - a.y)); break;
    case RubberBand::None: break;
  }
  canvas.SetPenMode(PenMode::Copy);
}

}  // namespace quill
