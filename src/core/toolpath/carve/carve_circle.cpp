#include "toolpath/carve/carve_circle.h"

#include <algorithm>
#include <cmath>

#include "geometry/entity_report.h"
#include "geometry/intersection.h"
#include "mathlib/geom2d.h"

namespace quill {

namespace {

constexpr double kFirstDiameter = 0.001;

// A direction with no length takes the other one.
void FillUndefined(double& a, double b) {
  if (a == UndefinedAngle) a = b;
}

}  // namespace

CarveCorner CornerOf(const tgEntity& previous, const tgEntity& piece, int side) {
  double a = VectorAngle(piece.X() - previous.X(), piece.Y() - previous.Y());
  double b = VectorAngle(piece.XE() - piece.X(), piece.YE() - piece.Y());
  FillUndefined(a, b);
  FillUndefined(b, a);
  double cs = std::cos(a) + std::cos(b), sn = std::sin(a) + std::sin(b);
  double m = IsZero(cs) && IsZero(sn) ? cs : VectorAngle(cs, sn);
  double t = m + side * HalfPi, k = std::cos(m - a);
  return {piece.X(), piece.Y(), std::cos(t), std::sin(t), IsZero(k) ? 1.0 : 1.0 / k};
}

CarvePieces::CarvePieces(Ui& ui, const std::vector<tgEntity>& pieces, double step, double toolDiameter)
    : ui_(ui), pieces_(pieces) {
  // Cells of two pieces, or a sixteenth of the widest circle: measured the quickest for letters.
  grid_.Build(pieces, std::max(2 * step, toolDiameter / 16), EntityTolerance);
}

bool CarvePieces::Collides(double cx, double cy, double radius) {
  tgEntity circle;
  circle.SetArc(cx, cy, 0, radius, 0, TwoPi);
  tgIntersection hit(ui_);
  // A crossing lies on the circle and within EntityTolerance of the piece's box, so pieces filed
  // farther off can never cross: the grid leaves out only pieces the test would pass over.
  return grid_.Any(cx - radius, cy - radius, cx + radius, cy + radius, [&](uint32_t i) {
    const tgEntity& piece = pieces_[i];
    if (!hit.Compute(piece, circle, true) || hit.Tangent) return false;
    return !circle.InsideCircle(piece);
  });
}

double FittingDiameter(const CarveCorner& corner, CarvePieces& pieces, double toolDiameter, bool& tooSmall) {
  auto stops = [&](double q) {
    return q >= toolDiameter || pieces.Collides(corner.CentreX(q / 2), corner.CentreY(q / 2), q / 2);
  };
  double q = kFirstDiameter;
  do q *= 1.2;
  while (!stops(q));
  q *= 0.8;
  do q *= 1.01;
  while (!stops(q));
  if (q > toolDiameter) {
    tooSmall = true;
    return toolDiameter;
  }
  return q;
}

}  // namespace quill
