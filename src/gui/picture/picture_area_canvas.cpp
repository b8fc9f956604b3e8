#include "picture/picture_area_canvas.h"

#include <algorithm>
#include <cmath>

#include "qtcanvas/qt_canvas.h"

namespace quill {

ScreenCanvas::ScreenCanvas(int width, int height, int dpi, double ratio) : dpi_(dpi) {
  Resize(width, height, ratio);
}

ScreenCanvas::~ScreenCanvas() = default;

void ScreenCanvas::Resize(int width, int height, double ratio) {
  canvas_.reset();
  ratio_ = ratio > 0 ? ratio : 1;
  // The image is drawn on in its own pixels: it carries no ratio of its own, the widget scales nothing.
  image_ = QImage(std::max(1, ToPixel(width)), std::max(1, ToPixel(height)), QImage::Format_RGB32);
  image_.fill(Qt::white);
  Begin();
}

int ScreenCanvas::ToPixel(double widgetUnits) const {
  return static_cast<int>(std::lround(widgetUnits * ratio_));
}

// A painter on the image with the state the view last set.  Sizes given in points keep their size on
// the screen: the image's resolution is the widget's times the ratio.
void ScreenCanvas::Begin() {
  canvas_ = std::make_unique<QtCanvas>(image_, ToPixel(dpi_), true);
  canvas_->SetSmooth(true);
  SetTarget(canvas_.get());
  canvas_->SetPen(pen_.color, pen_.width, pen_.style);
  canvas_->SetPenMode(mode_);
  canvas_->SetBrush(brushColor_, brushStyle_);
  canvas_->SetFont(font_.face, font_.size, font_.color);
  if (clip_) canvas_->SetClipRect(*clip_);
  canvas_->MoveTo(atX_, atY_);
}

const QImage& ScreenCanvas::Present() {
  canvas_.reset();  // paints what is pending
  Begin();
  return image_;
}

void ScreenCanvas::MoveTo(int x, int y) {
  atX_ = x;
  atY_ = y;
  canvas_->MoveTo(x, y);
}

void ScreenCanvas::LineTo(int x, int y) {
  atX_ = x;
  atY_ = y;
  canvas_->LineTo(x, y);
}

void ScreenCanvas::SetFont(const std::string& face, int size, Color color) {
  font_ = {face, size, color};
  canvas_->SetFont(face, size, color);
}

void ScreenCanvas::SetPen(Color color, int width, PenStyle style) {
  pen_ = {color, width, style};
  canvas_->SetPen(color, width, style);
}

void ScreenCanvas::SetPenMode(PenMode mode) {
  mode_ = mode;
  canvas_->SetPenMode(mode);
}

void ScreenCanvas::SetBrush(Color color, BrushStyle style) {
  brushColor_ = color;
  brushStyle_ = style;
  canvas_->SetBrush(color, style);
}

void ScreenCanvas::SetClipRect(const CanvasRect& r) {
  clip_ = r;
  canvas_->SetClipRect(r);
}

void ScreenCanvas::ClearClipRect() {
  clip_.reset();
  canvas_->ClearClipRect();
}

}  // namespace quill
