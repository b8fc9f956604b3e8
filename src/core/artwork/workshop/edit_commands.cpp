#include "artwork/workshop/edit_commands.h"

#include <cmath>
#include <numeric>
#include <vector>

#include "artwork/workshop/document.h"
#include "geometry/entity_report.h"
#include "mathlib/constants.h"

namespace quill {

namespace {

bool ModifySelected(WorkshopDocument& doc, const char* label, const std::function<void(tgEntity&)>& change) {
  return doc.Modify(doc.SelectedIndices(), change, label);
}

bool ModifyEvery(WorkshopDocument& doc, const char* label, const std::function<void(tgEntity&)>& change) {
  std::vector<size_t> all(doc.Size());
  std::iota(all.begin(), all.end(), size_t{0});
  return doc.Modify(all, change, label);
}

}  // namespace

bool DeleteSelected(WorkshopDocument& doc) {
  std::vector<size_t> selected = doc.SelectedIndices();
  if (selected.empty()) return false;
  doc.Remove(std::move(selected), "Delete");
  return true;
}

bool MoveSelected(Ui& ui, WorkshopDocument& doc, double dx, double dy) {
  return ModifySelected(doc, "Move", [&](tgEntity& e) { e.Move(ui, dx, dy, 0); });
}

bool RotateSelected(Ui& ui, WorkshopDocument& doc, double cx, double cy, double degrees) {
  return ModifySelected(doc, "Rotate", [&](tgEntity& e) { e.Rotate(ui, cx, cy, degrees * DegToRad); });
}

bool ScaleEntity(Ui& ui, tgEntity& e, double cx, double cy, double factor) {
  if (factor == 0 || !std::isfinite(factor)) return false;
  e.Scale(ui, cx, cy, std::fabs(factor));
  if (factor < 0) e.Rotate(ui, cx, cy, Pi);
  return true;
}

bool ScaleSelected(Ui& ui, WorkshopDocument& doc, double cx, double cy, double factor) {
  if (factor == 0 || !std::isfinite(factor)) return false;
  return ModifySelected(doc, "Scale", [&](tgEntity& e) { ScaleEntity(ui, e, cx, cy, factor); });
}

bool MirrorSelected(Ui& ui, WorkshopDocument& doc, long picked) {
  if (picked < 0 || static_cast<size_t>(picked) >= doc.Size()) return false;
  doc.Select(static_cast<size_t>(picked), false);
  tgEntity line = doc.At(static_cast<size_t>(picked));
  if (doc.SelectedCount() == 0) return false;
  if (!line.IsLine()) {
    ReportKindError(ui, "MirrorLine,line is an", line);
    return false;
  }
  return ModifySelected(doc, "Mirror", [&](tgEntity& e) { e.MirrorLine(ui, line); });
}

bool SetAllArcsCCW(WorkshopDocument& doc) {
  return ModifyEvery(doc, "Set All Arcs CCW", [](tgEntity& e) { e.MakeCCW(); });
}

bool MoveOrigin(Ui& ui, WorkshopDocument& doc, double x, double y) {
  return ModifyEvery(doc, "Set New X/Y Origin", [&](tgEntity& e) { e.Move(ui, -x, -y, 0); });
}

}  // namespace quill
