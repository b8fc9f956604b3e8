// Boxes of entities and of the drawing.  A drawing box starts empty at infinity, so drawings far from
// the origin (a map at x = 5000, a part at -200000) get their true box.
#pragma once

#include <limits>

namespace quill {

class tgEntity;
class WorkshopDocument;

struct EntityBox {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  bool Contains(double x, double y, double grow) const {
    return !(xmin - grow > x || x > xmax + grow || ymin - grow > y || y > ymax + grow);
  }
};

// The box of a point, line or arc (an arc by the sweep it covers, whatever whole turns its angles
// carry); false, and the box untouched, for any other kind.
bool BoxOf(const tgEntity& e, EntityBox& box);

struct Bounds {
  static constexpr double Inf = std::numeric_limits<double>::infinity();
  double xmin = Inf, ymin = Inf, xmax = -Inf, ymax = -Inf;

  bool Empty() const { return !(xmin <= xmax && ymin <= ymax); }
  void Widen(const EntityBox& b);
  double CentreX() const { return (xmin + xmax) / 2; }
  double CentreY() const { return (ymin + ymax) / 2; }
};

// The box of every entity of the drawing, or of the selected ones.
Bounds DrawingBounds(const WorkshopDocument& doc, bool selectedOnly);

}  // namespace quill
