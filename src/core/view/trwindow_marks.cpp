// The marks drawn over the job: X marker, axes, rulers and text.  Their sizes are given in inches on
// the canvas, so they look the same at every zoom.
#include <cmath>

#include "mathlib/number_text.h"
#include "view/trwindow.h"

namespace quill {

namespace {

constexpr const char* kFace = "Arial";

struct TickTable {
  double above;  // k greater than this
  double step;
  int every;
};

// Tick step and label interval by the scale k (inches per unit).
constexpr TickTable kTicks[] = {{100, 0.002, 5}, {50, 0.01, 5},   {10, 0.2, 8},     {0.75, 0.25, 4},  {0.25, 1, 2},
                                {0.125, 5, 3},   {0.0625, 10, 6}, {0.03125, 50, 2}, {0.015625, 50, 1}};

// A ruler never draws more ticks than this: a window far wider than the table foresees gets coarser ticks.
constexpr double kMaxTicks = 4000;

int FontSize(double pixels) {
  double v = std::rint(pixels);
  if (!(v > -1e6)) return -1000000;
  return v > 1e6 ? 1000000 : static_cast<int>(v);
}

}  // namespace

void Trwindow::Marker(Canvas& canvas, double x, double y, double z) {
  double s = 0.035 / UnitsToInches();
  MoveTo3(canvas, x - s, y + s, z);
  LineTo3(canvas, x + s, y - s, z);
  MoveTo3(canvas, x + s, y + s, z);
  LineTo3(canvas, x - s, y - s, z);
  MoveTo3(canvas, x, y, z);
}

int Trwindow::AxisColourIndex(bool inverted) const {
  if (printMode_) return 0;
  bool white = blackBackground_ != inverted;
  return white ? 15 : 0;
}

void Trwindow::Axes(Canvas& canvas, bool inverted) {
  SetLineStyle(canvas, 0);
  SetColour(canvas, AxisColourIndex(inverted));
  double k = UnitsToInches();
  double L = 1 / k, a = 0.2 / k, b = a / 3;
  MoveTo3(canvas, 0, 0, 0);
  for (auto [x, y] : {std::pair{L, 0.0}, {L - a, b}, {L - a, -b}, {L, 0.0}}) LineTo3(canvas, x, y, 0);
  MoveTo3(canvas, 0, 0, 0);
  for (auto [x, y] : {std::pair{0.0, L}, {-b, L - a}, {b, L - a}, {0.0, L}}) LineTo3(canvas, x, y, 0);
  MoveTo3(canvas, 0, 0, 0);
  LineTo3(canvas, 0, 0, L);
  if (!on3D_) return;
  const double head[][3] = {{b, 0, L - a}, {-b, 0, L - a}, {0, 0, L}, {0, b, L - a}, {0, -b, L - a}, {0, 0, L}};
  for (const auto& p : head) LineTo3(canvas, p[0], p[1], p[2]);
}

void Trwindow::Ruler(Canvas& canvas, bool inverted, double x, double y) {
  int previous = colourIndex_;
  SetLineStyle(canvas, 0);
  SetColour(canvas, AxisColourIndex(inverted));
  bool blackBrush = !printMode_ && blackBackground_;
  canvas.SetBrush(blackBrush ? clBlack : clWhite, BrushStyle::Solid);
  double k = UnitsToInches();
  double W = k * (xmax_ - xmin_), H = k * (ymax_ - ymin_);
  auto line = [k](double low, double size, double margin) {
    if (k * low < -0.1) return size - margin < std::fabs(k * low) ? (size - margin) / k + low : 0.0;
    return 0.1 / k + low;
  };
  double y0 = line(ymin_, H, 0.75), x0 = line(xmin_, W, 0.375);
  double t = 100;  // k at or below the table's last row
  int n = 1;
  for (const auto& row : kTicks) {
    if (k > row.above) {
      t = row.step;
      n = row.every;
      break;
    }
  }
  for (double span = std::fmax(std::fabs(xmax_ - xmin_), std::fabs(ymax_ - ymin_)); span / t > kMaxTicks;) t *= 10;
  RulerAlong(canvas, true, y0, t, n);
  RulerAlong(canvas, false, x0, t, n);
  MoveTo3(canvas, x, y, 0);
  SetColour(canvas, previous);
}

// One ruler: ticks along it every t units from the whole number below its start, a label on every
// n-th.  The horizontal ruler runs along x at height line, the vertical one along y at line.
void Trwindow::RulerAlong(Canvas& canvas, bool horizontal, double line, double t, int n) {
  double k = UnitsToInches(), tick = 0.05 / k;
  auto to = [&](bool draw, double along, double across) {
    double x = horizontal ? along : line + across, y = horizontal ? line + across : along;
    draw ? LineTo3(canvas, x, y, 0) : MoveTo3(canvas, x, y, 0);
  };
  double v = std::round(horizontal ? xmin_ : ymin_) - t * n, end = horizontal ? xmax_ : ymax_;
  to(false, v, 0);
  for (int c = 0; v <= end;) {
    double next = v + t;
    if (next == v) break;
    v = next;
    to(true, v, 0);
    to(true, v, -tick);
    to(true, v, tick);
    if (c == n) {
      to(true, v, tick + 0.1 / k);
      if (horizontal) {
        RulerLabel(canvas, v, v, line + 0.19 / k, true);
      } else {
        RulerLabel(canvas, v, line + 0.19 / k, v + 0.075 / k, false);
      }
      to(false, v, tick + 0.1 / k);
      c = 0;
    }
    to(true, v, 0);
    ++c;
  }
}

void Trwindow::RulerLabel(Canvas& canvas, double value, double x, double y, bool centred) {
  double height = 0.1 / UnitsToInches();
  std::string label = FormatFixed(value, 3);
  if (centred) x -= TextWidth(canvas, label, height) / 2;
  DrawText(canvas, label, height, x, y, 0);
}

double Trwindow::TextWidth(Canvas& canvas, const std::string& text, double height) {
  canvas.SetFont(kFace, FontSize(height * sy_), penColor_);
  int px = canvas.TextWidth(text);
  return sx_ == 0 ? px : px / sx_;
}

void Trwindow::DrawText(Canvas& canvas, const std::string& text, double height, double x, double y, double z) {
  double px = x, py = y;
  Project(px, py, z);
  if (!std::isfinite(px) || !std::isfinite(py) || !Inside(px, py)) return;
  MoveTo3(canvas, x, y, z);
  if (printMode_) {
    canvas.SetFont(kFace, 8, clBlack);
  } else {
    canvas.SetFont(kFace, FontSize(height * sy_), PaletteColor(colourIndex_));
  }
  PixelPoint p = WorldToPixel(px, py);
  canvas.TextOut(p.x, p.y, text);
}

}  // namespace quill
