// The picture area's surface: a pixel image the view draws on (XOR rubber bands and cutter pictures
// need pixels to act on) and the widget copies to the screen.  The image has the screen's own pixels
// (an area of 800 by 600 at a scale of 1.5 is an image of 1200 by 900) and its lines are smoothed.  It
// is rebuilt when the area changes size or screen; the pens, brush, font and clip in force carry over,
// so a drawing under way goes on.
#pragma once

#include <QImage>
#include <memory>
#include <optional>

#include "view/forwarding_canvas.h"

namespace quill {

class QtCanvas;

class ScreenCanvas : public ForwardingCanvas {
 public:
  // width, height: the area in the widget's units; dpi: the widget's logical resolution; ratio: the
  // screen's pixels per widget unit.
  ScreenCanvas(int width, int height, int dpi, double ratio = 1);
  ~ScreenCanvas() override;

  // A new size or screen: a new image, cleared to white.
  void Resize(int width, int height, double ratio);
  double Ratio() const { return ratio_; }
  // A point of the widget as a pixel of the image.
  int ToPixel(double widgetUnits) const;
  // The image with everything drawn so far on it.
  const QImage& Present();

  bool Interactive() const override { return true; }
  void MoveTo(int x, int y) override;
  void LineTo(int x, int y) override;
  void SetFont(const std::string& face, int size, Color color) override;
  void SetPen(Color color, int width, PenStyle style) override;
  void SetPenMode(PenMode mode) override;
  void SetBrush(Color color, BrushStyle style) override;
  void SetClipRect(const CanvasRect& r) override;
  void ClearClipRect() override;

 private:
  struct PenState {
    Color color = 0;
    int width = 1;
    PenStyle style = PenStyle::Solid;
  };
  struct FontState {
    std::string face = "Arial";
    int size = 8;
    Color color = 0;
  };
  void Begin();

  int dpi_;
  double ratio_ = 1;
  QImage image_;
  std::unique_ptr<QtCanvas> canvas_;
  PenState pen_;
  PenMode mode_ = PenMode::Copy;
  Color brushColor_ = 0xFFFFFF;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  FontState font_;
  std::optional<CanvasRect> clip_;
  int atX_ = 0, atY_ = 0;
};

}  // namespace quill
