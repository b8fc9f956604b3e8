// A canvas that passes every call on to another one.  Surfaces that change one thing about a target
// (the screen's picture that is rebuilt when the window grows, a print with wider pens) derive from it
// and override only that.
#pragma once

#include "view/canvas.h"

namespace quill {

class ForwardingCanvas : public Canvas {
 public:
  explicit ForwardingCanvas(Canvas* target = nullptr) : target_(target) {}

  int Width() const override { return target_->Width(); }
  int Height() const override { return target_->Height(); }
  int PixelsPerInch() const override { return target_->PixelsPerInch(); }
  void MoveTo(int x, int y) override { target_->MoveTo(x, y); }
  void LineTo(int x, int y) override { target_->LineTo(x, y); }
  void FillRect(const CanvasRect& r) override { target_->FillRect(r); }
  void Rectangle(const CanvasRect& r) override { target_->Rectangle(r); }
  void TextOut(int x, int y, const std::string& text) override { target_->TextOut(x, y, text); }
  int TextWidth(const std::string& text) override { return target_->TextWidth(text); }
  int TextHeight(const std::string& text) override { return target_->TextHeight(text); }
  void SetFont(const std::string& face, int size, Color color) override { target_->SetFont(face, size, color); }
  void SetPen(Color color, int width, PenStyle style) override { target_->SetPen(color, width, style); }
  void SetPenMode(PenMode mode) override { target_->SetPenMode(mode); }
  void SetBrush(Color color, BrushStyle style) override { target_->SetBrush(color, style); }
  void SetClipRect(const CanvasRect& r) override { target_->SetClipRect(r); }
  void ClearClipRect() override { target_->ClearClipRect(); }
  CanvasRect ClipBox() const override { return target_->ClipBox(); }
  bool Interactive() const override { return target_->Interactive(); }

 protected:
  void SetTarget(Canvas* target) { target_ = target; }
  Canvas* Target() const { return target_; }

 private:
  Canvas* target_;
};

}  // namespace quill
