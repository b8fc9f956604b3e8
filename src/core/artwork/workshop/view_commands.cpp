#include "artwork/workshop/view_commands.h"

#include <cmath>
#include <utility>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"

namespace quill {

namespace {

void Show(WorkshopDocument& doc, const WorldWindow& w) {
  doc.previousWindow = doc.window;
  doc.window = w;
}

}  // namespace

void ViewDefault(WorkshopDocument& doc) {
  Show(doc, DefaultWorkshopWindow);
}

bool ViewExtents(WorkshopDocument& doc) {
  Bounds b = DrawingBounds(doc, false);
  if (b.Empty()) return false;
  double w = b.xmax - b.xmin, h = b.ymax - b.ymin;
  if (!std::isfinite(w) || !std::isfinite(h)) return false;
  if (w == 0 && h == 0) w = h = 1;
  if (w == 0) w = h;
  if (h == 0) h = w;
  double cx = b.CentreX(), cy = b.CentreY();
  // 10 % more on each side of the drawing.
  double hw = w * 0.6, hh = h * 0.6;
  Show(doc, {cx - hw, cy - hh, cx + hw, cy + hh});
  return true;
}

void ViewPrevious(WorkshopDocument& doc) {
  std::swap(doc.window, doc.previousWindow);
}

bool ViewZoom(WorkshopDocument& doc, double x1, double y1, double x2, double y2) {
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (!(x2 - x1 > 0 && y2 - y1 > 0) || !std::isfinite(x2 - x1) || !std::isfinite(y2 - y1)) return false;
  Show(doc, {x1, y1, x2, y2});
  return true;
}

void ViewZoomOut(WorkshopDocument& doc) {
  const WorldWindow& w = doc.window;
  double dx = (w.Xmax - w.Xmin) / 4, dy = (w.Ymax - w.Ymin) / 4;
  Show(doc, {w.Xmin - dx, w.Ymin - dy, w.Xmax + dx, w.Ymax + dy});
}

void ViewScroll(WorkshopDocument& doc, int xSteps, int ySteps) {
  WorldWindow& w = doc.window;
  double dx = (w.Xmax - w.Xmin) * xSteps / 100, dy = -(w.Ymax - w.Ymin) * ySteps / 100;
  w = {w.Xmin + dx, w.Ymin + dy, w.Xmax + dx, w.Ymax + dy};
}

}  // namespace quill
