#include "view/emf_canvas.h"

#include "view/text_metrics.h"

namespace quill {

namespace {

constexpr uint32_t kNullPen = 0x80000008;  // stock objects
constexpr uint32_t kBlackPen = 0x80000007;
constexpr uint32_t kPenSlot = 1, kBrushSlot = 3, kFontSlot = 5, kHandles = 7;
constexpr uint32_t kTransparent = 1, kOpaque = 2, kRgnCopy = 5;

uint32_t PenStyleCode(PenStyle s) {
  switch (s) {
    case PenStyle::Dash: return 1;
    case PenStyle::Dot: return 2;
    case PenStyle::DashDot: return 3;
    case PenStyle::DashDotDot: return 4;
    case PenStyle::Clear: return 5;
    default: return 0;
  }
}

uint32_t Rop2(PenMode m) {
  return m == PenMode::Xor ? 7 : (m == PenMode::NotXor ? 10 : 13);
}

EmfRecord Single(uint32_t type, uint32_t value) {
  return EmfRecord(type).U32(value);
}

EmfRecord Point(uint32_t type, int x, int y) {
  return EmfRecord(type).I32(x).I32(y);
}

}  // namespace

EmfCanvas::EmfCanvas(const std::string& path, int width, int height, int dpi)
    : file_(path, width, height, dpi), width_(width), height_(height), dpi_(dpi > 0 ? dpi : 96) {
  file_.Write(Single(EmrSetMapMode, 1));
  file_.Write(Single(EmrSetTextAlign, 0));
  file_.Write(Single(EmrSetBkMode, kTransparent));
  file_.Write(Single(EmrSetTextColor, clBlack));
}

bool EmfCanvas::Close() {
  return file_.Finish(kHandles);
}

// Objects live in two slots each: the new one is created and selected before the old one goes.
void EmfCanvas::Replace(uint32_t& slot, uint32_t first, EmfRecord (*create)(uint32_t, const EmfCanvas&)) {
  uint32_t ih = slot == first ? first + 1 : first;
  file_.Write(create(ih, *this));
  file_.Write(Single(EmrSelectObject, ih));
  if (slot != 0) file_.Write(Single(EmrDeleteObject, slot));
  slot = ih;
}

void EmfCanvas::SelectPen() {
  if (penValid_ && pen_ == penWritten_) return;
  Replace(penSlot_, kPenSlot, [](uint32_t ih, const EmfCanvas& c) {
    return EmfRecord(EmrCreatePen).U32(ih).U32(PenStyleCode(c.pen_.style)).I32(c.pen_.width).I32(0).U32(c.pen_.color);
  });
  penWritten_ = pen_;
  penValid_ = true;
}

void EmfCanvas::SelectBrush() {
  if (brushValid_ && brushColor_ == brushWritten_ && brushSolid_ == brushWrittenSolid_) return;
  Replace(brushSlot_, kBrushSlot, [](uint32_t ih, const EmfCanvas& c) {
    return EmfRecord(EmrCreateBrushIndirect).U32(ih).U32(c.brushSolid_ ? 0 : 1).U32(c.brushColor_).U32(0);
  });
  brushWritten_ = brushColor_;
  brushWrittenSolid_ = brushSolid_;
  brushValid_ = true;
}

void EmfCanvas::SelectFont() {
  if (fontValid_ && font_ == fontWritten_) return;
  Replace(fontSlot_, kFontSlot, [](uint32_t ih, const EmfCanvas& c) {
    // A positive height is the cell, a negative one the em: the view's sizes follow the same rule.
    int32_t height = c.font_.size < 0 ? -c.font_.size : -static_cast<int32_t>(c.font_.size * c.dpi_ / 72);
    EmfRecord r(EmrExtCreateFontIndirectW);
    r.U32(ih).I32(height).I32(0).I32(0).I32(0).I32(400);
    r.U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0).U8(0);  // italic ... pitch and family
    return r.Utf16(c.font_.face.substr(0, 31), 32);
  });
  fontWritten_ = font_;
  fontValid_ = true;
}

void EmfCanvas::MoveTo(int x, int y) {
  x_ = x;
  y_ = y;
}

void EmfCanvas::LineTo(int x, int y) {
  SelectPen();
  if (x_ != writtenX_ || y_ != writtenY_) file_.Write(Point(EmrMoveToEx, x_, y_));
  file_.Write(Point(EmrLineTo, x, y));
  x_ = writtenX_ = x;
  y_ = writtenY_ = y;
}

void EmfCanvas::Box(uint32_t type, const CanvasRect& r, int grow) {
  file_.Write(EmfRecord(type).I32(r.left).I32(r.top).I32(r.right + grow).I32(r.bottom + grow));
}

void EmfCanvas::FillRect(const CanvasRect& r) {
  SelectBrush();
  file_.Write(Single(EmrSelectObject, kNullPen));
  Box(EmrRectangle, r, 1);  // without a pen the rectangle loses its right and bottom edge
  file_.Write(Single(EmrSelectObject, penSlot_ ? penSlot_ : kBlackPen));
}

void EmfCanvas::Rectangle(const CanvasRect& r) {
  SelectPen();
  SelectBrush();
  Box(EmrRectangle, r, 0);
}

void EmfCanvas::Bk(bool opaque) {
  int mode = opaque ? kOpaque : kTransparent;
  if (mode != bkMode_) file_.Write(Single(EmrSetBkMode, mode));
  bkMode_ = mode;
  if (opaque) file_.Write(Single(EmrSetBkColor, brushColor_));
}

void EmfCanvas::TextOut(int x, int y, const std::string& text) {
  if (text.empty()) return;
  SelectFont();
  if (textColor_ != textColorWritten_) file_.Write(Single(EmrSetTextColor, textColor_));
  textColorWritten_ = textColor_;
  Bk(brushSolid_);
  uint32_t n = static_cast<uint32_t>(text.size());
  uint32_t offString = 76, offDx = offString + (n * 2 + 3) / 4 * 4;
  EmfRecord r(EmrExtTextOutW);
  r.I32(x).I32(y).I32(x + TextWidth(text)).I32(y + TextHeight(text));  // bounds
  r.U32(1).U32(0).U32(0);                                              // compatible mode, no scale
  r.I32(x).I32(y).U32(n).U32(offString).U32(0).I32(0).I32(0).I32(-1).I32(-1).U32(offDx);
  r.Utf16(text, n).Pad4();
  for (char c : text) r.I32(ArialTextWidth(std::string(1, c), cell_));
  file_.Write(r);
}

int EmfCanvas::TextWidth(const std::string& text) {
  return ArialTextWidth(text, cell_);
}

int EmfCanvas::TextHeight(const std::string&) {
  return static_cast<int>(cell_ + 0.5);
}

void EmfCanvas::SetFont(const std::string& face, int size, Color color) {
  font_ = {face, size};
  textColor_ = color;
  cell_ = CellPixels(size, dpi_);
}

void EmfCanvas::SetPen(Color color, int width, PenStyle style) {
  pen_ = {color, width, style};
}

void EmfCanvas::SetPenMode(PenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  file_.Write(Single(EmrSetRop2, Rop2(mode)));
}

void EmfCanvas::SetBrush(Color color, BrushStyle style) {
  brushColor_ = color;
  brushSolid_ = style == BrushStyle::Solid;
}

void EmfCanvas::SetClipRect(const CanvasRect& r) {
  ClearClipRect();
  Box(EmrIntersectClipRect, r, 0);
}

void EmfCanvas::ClearClipRect() {
  file_.Write(EmfRecord(EmrSelectClipRgn).U32(0).U32(kRgnCopy));
}

}  // namespace quill
