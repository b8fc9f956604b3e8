// A canvas that writes an enhanced metafile: pens, brushes and fonts become metafile objects, moves and
// lines become records.  Text is measured with the view face's own widths, so no font engine is needed.
#pragma once

#include <climits>
#include <string>

#include "view/canvas.h"
#include "view/emf_file.h"

namespace quill {

class EmfCanvas : public Canvas {
 public:
  EmfCanvas(const std::string& path, int width, int height, int dpi = 96);
  bool IsOpen() const { return file_.IsOpen(); }
  // Ends the metafile and puts it in place; false when it could not be written.
  bool Close();

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

 private:
  struct Pen {
    Color color = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
  };
  struct Font {
    std::string face;
    int size = 0;
    bool operator==(const Font&) const = default;
  };
  void SelectPen();
  void SelectBrush();
  void SelectFont();
  void Replace(uint32_t& slot, uint32_t first, EmfRecord (*create)(uint32_t, const EmfCanvas&));
  void Bk(bool opaque);
  void Box(uint32_t type, const CanvasRect& r, int grow);

  EmfFile file_;
  int width_, height_, dpi_;
  Pen pen_, penWritten_;
  bool penValid_ = false;
  Color brushColor_ = clWhite, brushWritten_ = clWhite;
  bool brushSolid_ = true, brushWrittenSolid_ = true, brushValid_ = false;
  Font font_{"Arial", 8}, fontWritten_;
  bool fontValid_ = false;
  Color textColor_ = clBlack, textColorWritten_ = clBlack;
  uint32_t penSlot_ = 0, brushSlot_ = 0, fontSlot_ = 0;
  int x_ = 0, y_ = 0;                // the current position as the caller sees it
  int writtenX_ = INT_MIN, writtenY_ = INT_MIN;  // the position in the file: moves are written lazily
  PenMode mode_ = PenMode::Copy;
  int bkMode_ = 1;
  double cell_ = 12;
};

}  // namespace quill
