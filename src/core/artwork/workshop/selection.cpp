#include "artwork/workshop/selection.h"

#include <algorithm>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"

namespace quill {

void SelectAll(WorkshopDocument& doc) {
  doc.SelectEvery([](const tgEntity&) { return true; });
}

void SelectNone(WorkshopDocument& doc) {
  doc.SelectEvery([](const tgEntity&) { return false; });
}

void InvertSelection(WorkshopDocument& doc) {
  doc.SelectEvery([](const tgEntity& e) { return !e.Selected(); });
}

void SelectArcs(WorkshopDocument& doc) {
  doc.SelectEvery([](const tgEntity& e) { return e.Selected() || e.IsArc(); });
}

void SelectLines(WorkshopDocument& doc) {
  doc.SelectEvery([](const tgEntity& e) { return e.Selected() || e.IsLine(); });
}

size_t SelectWindow(WorkshopDocument& doc, double x1, double y1, double x2, double y2) {
  double xmin = std::min(x1, x2), xmax = std::max(x1, x2), ymin = std::min(y1, y2), ymax = std::max(y1, y2);
  size_t inside = 0;
  EntityBox b;
  for (size_t i = 0; i < doc.Size(); ++i) {
    if (!BoxOf(doc.At(i), b)) continue;
    if (b.xmin >= xmin && b.xmax <= xmax && b.ymin >= ymin && b.ymax <= ymax) {
      doc.Select(i, true);
      ++inside;
    }
  }
  return inside;
}

}  // namespace quill
