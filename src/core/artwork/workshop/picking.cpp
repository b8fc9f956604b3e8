#include "artwork/workshop/picking.h"

#include <cmath>
#include <limits>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"
#include "mathlib/geom2d.h"

namespace quill {

long NearestEntity(const WorkshopDocument& doc, double x, double y, double grow) {
  long best = -1;
  double bestDistance = std::numeric_limits<double>::infinity();
  EntityBox box;
  for (size_t i = 0; i < doc.Size(); ++i) {
    const tgEntity& e = doc.At(i);
    if (!BoxOf(e, box) || !box.Contains(x, y, grow)) continue;
    double d = std::fabs(e.DistanceToPoint(x, y, 0));
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<long>(i);
    }
  }
  return best;
}

long PickEntity(WorkshopDocument& doc, double x, double y, double grow) {
  long picked = NearestEntity(doc, x, y, grow);
  if (picked >= 0) doc.Select(static_cast<size_t>(picked), true);
  doc.lastPicked = picked;
  return picked;
}

void SnapToEndPoint(const WorkshopDocument& doc, double& x, double& y) {
  double bestDistance = std::numeric_limits<double>::infinity();
  double sx = 0, sy = 0, px, py, z;
  auto consider = [&](double ex, double ey) {
    double d = std::fabs(Distance2D(ex, ey, x, y));
    if (d < bestDistance) {
      bestDistance = d;
      sx = ex;
      sy = ey;
    }
  };
  for (const tgEntity& e : doc.Items()) {
    if (!e.IsPoint() && !e.IsLine() && !e.IsArc()) continue;
    e.StartXYZ(px, py, z);
    consider(px, py);
    e.EndXYZ(px, py, z);
    consider(px, py);
  }
  x = sx;
  y = sy;
}

}  // namespace quill
