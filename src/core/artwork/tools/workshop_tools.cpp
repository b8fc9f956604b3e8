#include "artwork/tools/workshop_tools.h"

#include "artwork/workshop/document.h"
#include "artwork/workshop/selection.h"
#include "ui/ui.h"

namespace quill {

namespace {

std::vector<tgEntity> Selected(const WorkshopDocument& doc) {
  std::vector<tgEntity> out;
  for (const tgEntity& e : doc.Items()) {
    if (e.Selected()) out.push_back(e);
  }
  return out;
}

bool Ask(Ui& ui, const char* question) {
  return ui.Show({question, MsgKind::Confirmation, BtnYesNo, Answer::Yes, 0, {}}) == Answer::Yes;
}

}  // namespace

ToolStatus OptimizeSelection(Ui& ui, WorkshopDocument& doc, const OptimizeOptions& options, double startX,
                             double startY, const ShowResult& show) {
  ToolResult result = OptimizeToolPath(ui, Selected(doc), options, startX, startY);
  if (!result.Done()) return result.status;
  doc.hideSelected = true;
  if (show) show(result.entities);
  bool accepted = Ask(ui, "Accept Changes");
  doc.hideSelected = false;
  if (!accepted) {
    SelectNone(doc);
    return ToolStatus::Cancelled;
  }
  std::vector<tgEntity> drawing;
  drawing.reserve(doc.Size() + result.entities.size());
  for (const tgEntity& e : doc.Items()) {
    if (!e.Selected()) drawing.push_back(e);
  }
  drawing.insert(drawing.end(), result.entities.begin(), result.entities.end());
  doc.ReplaceAll(std::move(drawing), "Optimize Tool Path");
  return ToolStatus::Done;
}

ToolStatus CrossHatchSelection(Ui& ui, WorkshopDocument& doc, const HatchOptions& options,
                               const ShowResult& show) {
  ToolResult result = CrossHatch(ui, Selected(doc), options);
  if (!result.Done()) return result.status;
  if (result.entities.empty()) return ToolStatus::Nothing;
  if (show) show(result.entities);
  if (!Ask(ui, "Cross Hatching, O.K.")) return ToolStatus::Cancelled;
  doc.Append(std::move(result.entities), "Cross Hatch");
  return ToolStatus::Done;
}

ToolStatus LinearizeDrawing(Ui& ui, WorkshopDocument& doc, const LinearizeOptions& options) {
  ToolResult result = LinearizeArcs(ui, doc.Items(), options);
  if (result.Done()) doc.ReplaceAll(std::move(result.entities), "Linearize Arcs");
  return result.status;
}

ToolStatus DeskewSelection(Ui& ui, WorkshopDocument& doc, const DeskewOptions& options, DeskewPicks picks,
                           long axisLine) {
  if (options.axis == DeskewAxis::Line) {
    if (axisLine < 0 || static_cast<size_t>(axisLine) >= doc.Size() || !doc.At(static_cast<size_t>(axisLine)).IsLine()) {
      return ToolStatus::Nothing;
    }
    const tgEntity& line = doc.At(static_cast<size_t>(axisLine));
    picks.axisX1 = line.X(), picks.axisY1 = line.Y(), picks.axisX2 = line.XE(), picks.axisY2 = line.YE();
    doc.Select(static_cast<size_t>(axisLine), true);
  }
  std::vector<size_t> selected = doc.SelectedIndices();
  ToolResult result = DeskewScale(ui, Selected(doc), options, picks);
  if (!result.Done()) return result.status;
  // The entities stay where they stand in the drawing; each takes its straightened copy.
  size_t next = 0;
  bool changed = doc.Modify(selected, [&](tgEntity& e) { e = result.entities[next++]; }, "Deskew & Scale");
  return changed ? ToolStatus::Done : ToolStatus::Nothing;
}

}  // namespace quill
