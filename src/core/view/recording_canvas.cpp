#include "view/recording_canvas.h"

#include "view/text_metrics.h"

namespace quill {

CanvasOp& RecordingCanvas::Add(CanvasOp::Kind kind) {
  ++count_;
  CanvasOp& op = keep_ ? ops_.emplace_back() : (scratch_ = CanvasOp{});
  op.kind = kind;
  return op;
}

void RecordingCanvas::Reset() {
  ops_.clear();
  count_ = lines_ = 0;
}

void RecordingCanvas::MoveTo(int x, int y) {
  CanvasOp& op = Add(CanvasOp::Move);
  op.x = x;
  op.y = y;
}

void RecordingCanvas::LineTo(int x, int y) {
  ++lines_;
  CanvasOp& op = Add(CanvasOp::Line);
  op.x = x;
  op.y = y;
}

void RecordingCanvas::FillRect(const CanvasRect& r) {
  Add(CanvasOp::Fill).rect = r;
}

void RecordingCanvas::Rectangle(const CanvasRect& r) {
  Add(CanvasOp::Rect).rect = r;
}

void RecordingCanvas::TextOut(int x, int y, const std::string& text) {
  CanvasOp& op = Add(CanvasOp::Text);
  op.x = x;
  op.y = y;
  op.text = text;
}

int RecordingCanvas::TextWidth(const std::string& text) {
  return ArialTextWidth(text, cell_);
}

int RecordingCanvas::TextHeight(const std::string&) {
  return static_cast<int>(cell_ + 0.5);
}

void RecordingCanvas::SetFont(const std::string& face, int size, Color color) {
  cell_ = CellPixels(size, dpi_);
  CanvasOp& op = Add(CanvasOp::Font);
  op.x = size;
  op.color = color;
  op.text = face;
}

void RecordingCanvas::SetPen(Color color, int width, PenStyle style) {
  penColor_ = color;
  penWidth_ = width;
  penStyle_ = style;
  CanvasOp& op = Add(CanvasOp::Pen);
  op.x = width;
  op.color = color;
  op.style = style;
}

void RecordingCanvas::SetPenMode(PenMode mode) {
  penMode_ = mode;
  Add(CanvasOp::Mode).mode = mode;
}

void RecordingCanvas::SetBrush(Color color, BrushStyle style) {
  CanvasOp& op = Add(CanvasOp::Brush);
  op.color = color;
  op.brush = style;
}

void RecordingCanvas::SetClipRect(const CanvasRect& r) {
  Add(CanvasOp::Clip).rect = r;
}

void RecordingCanvas::ClearClipRect() {
  Add(CanvasOp::NoClip);
}

}  // namespace quill
