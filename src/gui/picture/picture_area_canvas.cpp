#include "picture/picture_area_canvas.h"

#include "qtcanvas/qt_canvas.h"

namespace quill {

ScreenCanvas::ScreenCanvas(int width, int height, int dpi) : dpi_(dpi) {
  Resize(width, height);
}

ScreenCanvas::~ScreenCanvas() = default;

void ScreenCanvas::Resize(int width, int height) {
  canvas_.reset();
  image_ = QImage(width < 1 ? 1 : width, height < 1 ? 1 : height, QImage::Format_RGB32);
  image_.fill(Qt::white);
  Begin();
}

// A painter on the image with the state the view last set.
void ScreenCanvas::Begin() {
  canvas_ = std::make_unique<QtCanvas>(image_, dpi_, true);
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
