// Trwindow: the one drawing object.  It maps a window of the world (drawing units, Y up) onto a
// canvas (pixels, Y down) keeping the canvas's aspect ratio, projects 3D points in perspective when
// asked, clips lines to the window and offers the primitives every picture of the job is made of.
#pragma once

#include <string>

#include "job/preferences.h"
#include "view/canvas.h"

namespace quill {

// The 16 colours of the view, by index; any other index gives black.
Color PaletteColor(int index);

struct PixelPoint {
  int x = 0, y = 0;
};

class Trwindow {
 public:
  void SetBlackBackground(bool on) { blackBackground_ = on; }
  bool BlackBackground() const { return blackBackground_; }
  void SetPrintMode(bool on) { printMode_ = on; }
  bool IsPrintMode() const { return printMode_; }
  bool Is3D() const { return on3D_; }

  void Attach(Canvas& canvas);
  void SetAspect(double width, double height);
  void Set3D(bool on, double ex, double ey, double ez);
  void SetWindow(double x0, double y0, double x1, double y1);
  void MapToCanvas(Canvas& canvas);
  void Clear(Canvas& canvas);

  PixelPoint WorldToPixel(double x, double y) const;
  void PixelToWorld(double px, double py, double& x, double& y) const;
  // Inches on the canvas per world unit: sizes given in inches are divided by it.
  double UnitsToInches() const;
  // The 3D projection of a point (the point itself while 3D is off).
  void Project(double& x, double& y, double z) const;
  bool Inside(double x, double y) const;

  void MoveTo3(Canvas& canvas, double x, double y, double z);
  void LineTo3(Canvas& canvas, double x, double y, double z);
  void Arc(Canvas& canvas, double cx, double cy, double radius, double a0, double a1, double z0, double zRise,
           bool ccw);
  void Marker(Canvas& canvas, double x, double y, double z);
  void Axes(Canvas& canvas, bool inverted);
  // Rulers along the bottom and left; the pen is left at (x, y).
  void Ruler(Canvas& canvas, bool inverted, double x = 0, double y = 0);
  double TextWidth(Canvas& canvas, const std::string& text, double height);
  void DrawText(Canvas& canvas, const std::string& text, double height, double x, double y, double z);

  void SetColour(Canvas& canvas, int index);
  // A colour of the preferences rather than of the palette.
  void SetPenColor(Canvas& canvas, Color color);
  void SetPenWidth(Canvas& canvas, int width);
  void SetLineStyle(Canvas& canvas, int style);
  // Colour, width and line style at once: one pen on the canvas.
  void SetPen(Canvas& canvas, Color color, int width, int style);
  int LineStyle() const { return lineStyle_; }
  int ColourIndex() const { return colourIndex_; }
  int PenWidth() const { return penWidth_; }

  // The world window actually shown (after the aspect correction).
  double Xmin() const { return xmin_; }
  double Ymin() const { return ymin_; }
  double Xmax() const { return xmax_; }
  double Ymax() const { return ymax_; }
  double Sx() const { return sx_; }
  double Sy() const { return sy_; }
  double Ox() const { return ox_; }
  double Oy() const { return oy_; }
  double Aspect() const { return aspect_; }
  double EyeX() const { return eyeX_; }
  double EyeY() const { return eyeY_; }
  double EyeZ() const { return eyeZ_; }

 private:
  void ApplyPen(Canvas& canvas);
  bool ClipSegment(double& x0, double& y0, double& x1, double& y1) const;
  int OutCode(double x, double y) const;
  int AxisColourIndex(bool inverted) const;
  double ArcStep(double radius, double k) const;
  void DashedArc(Canvas& canvas, double cx, double cy, double r, double a0, double sweep, double dir, double z0,
                 double dz, double step);
  void ArcTo(Canvas& canvas, double cx, double cy, double r, double t, double z);
  void RulerAlong(Canvas& canvas, bool horizontal, double line, double t, int n);
  void RulerLabel(Canvas& canvas, double value, double x, double y, bool centred);

  double aspect_ = 1.0;
  double sx_ = 1.0, ox_ = 0.0, sy_ = 1.0, oy_ = 0.0;
  double xmin_ = 0, ymin_ = 0, xmax_ = 0, ymax_ = 0;
  double clipXmin_ = 0, clipXmax_ = 0, clipYmin_ = 0, clipYmax_ = 0;
  double lastX_ = 0, lastY_ = 0, lastZ_ = 0;
  double eyeX_ = 0, eyeY_ = 0, eyeZ_ = 0;
  double sinAz_ = 0, cosAz_ = 1, sinEl_ = 0, cosEl_ = 1;
  double r_ = 0, rp_ = 0;
  bool on3D_ = false;
  bool blackBackground_ = true;
  bool printMode_ = false;
  int colourIndex_ = 1;
  int dpiX_ = 96, dpiY_ = 96;
  double widthInches_ = 0, heightInches_ = 0;

  Color penColor_ = 0;
  int penWidth_ = 1;
  int lineStyle_ = 0;
};

}  // namespace quill
