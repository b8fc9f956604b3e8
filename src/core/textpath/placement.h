// Putting a scaled line of text where it belongs: on a straight line, around an arc or along a curve,
// and the stretch factor of full justification for each.
#pragma once

#include <optional>
#include <vector>

#include "mathlib/curves.h"
#include "textpath/layout_params.h"
#include "textpath/line_work.h"

namespace quill {

class Ui;

// Moves the line to its origin for the justification and turns it by angle about that origin.
void PlaceOnLine(LineWork& line, const LayoutParams& p, double angle, double lineLength, double lineOffset);

// Wraps the line around the arc of radius XEND + lineOffset.  False after "Text On Arc Radius = 0".
bool PlaceOnArc(Ui& ui, LineWork& line, const LayoutParams& p, double lineLength, double lineOffset);

// The curve the text follows: the table's points with their running lengths.
class CurvePath {
 public:
  // False after "Same Point Given Twice in Curve To Follow".
  bool Build(Ui& ui, const std::vector<CurvePoint>& points, bool polyline);
  double Length() const { return lengths_.empty() ? 0 : lengths_.back(); }
  CurvePoint At(double s) const;

 private:
  std::vector<CurvePoint> points_;
  std::vector<double> lengths_;
  std::vector<double> xs_, ys_;
  bool polyline_ = false;
};

// Bends the line along the curve.  Leaves it unplaced after "Text is Longer than the Curve to Follow".
void FollowCurve(Ui& ui, LineWork& line, const LayoutParams& p, const CurvePath& curve, double lineLength,
                 double lineOffset);

// The stretch of full justification and, on a straight line, the new text angle; nothing (after its
// message where there is one) when the line cannot be stretched.
struct Stretch {
  double factor = 1;
  double angle = 0;
};
std::optional<Stretch> FullJustification(Ui& ui, const LayoutParams& p, const std::vector<CurvePoint>& curve,
                                         double lineLength, double lineOffset);

}  // namespace quill
