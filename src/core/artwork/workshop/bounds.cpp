#include "artwork/workshop/bounds.h"

#include <cmath>

#include "artwork/workshop/document.h"
#include "mathlib/constants.h"

namespace quill {

namespace {

// The box computation reads angles within two turns; others come in by whole turns first.
bool AngleInReach(double a) {
  return a >= 0 && a < 2 * TwoPi;
}

double WithinTurn(double a) {
  a = std::fmod(a, TwoPi);
  return a < 0 ? a + TwoPi : a;
}

}  // namespace

bool BoxOf(const tgEntity& e, EntityBox& box) {
  if (!e.IsPoint() && !e.IsLine() && !e.IsArc()) return false;
  EntityBox b{e.X(), e.Y(), e.X(), e.Y()};
  if (e.IsArc() && !(AngleInReach(e.SA()) && AngleInReach(e.FA()))) {
    if (!std::isfinite(e.SA()) || !std::isfinite(e.FA())) return false;
    tgEntity turned = e;
    turned.SetArc(e.X(), e.Y(), e.Z(), e.R(), WithinTurn(e.SA()), WithinTurn(e.FA()));
    turned.ExtentsOf(b.xmin, b.ymin, b.xmax, b.ymax);
  } else {
    e.ExtentsOf(b.xmin, b.ymin, b.xmax, b.ymax);
  }
  box = b;
  return true;
}

void Bounds::Widen(const EntityBox& b) {
  if (b.xmin < xmin) xmin = b.xmin;
  if (b.ymin < ymin) ymin = b.ymin;
  if (b.xmax > xmax) xmax = b.xmax;
  if (b.ymax > ymax) ymax = b.ymax;
}

Bounds DrawingBounds(const WorkshopDocument& doc, bool selectedOnly) {
  Bounds bounds;
  EntityBox box;
  for (const tgEntity& e : doc.Items()) {
    if (selectedOnly && !e.Selected()) continue;
    if (BoxOf(e, box)) bounds.Widen(box);
  }
  return bounds;
}

}  // namespace quill
