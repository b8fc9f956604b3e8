// The workshop's selection commands.  Each only adds to or takes from the Selected flags; none is a
// drawing change.
#pragma once

#include <cstddef>

namespace quill {

class Ui;
class WorkshopDocument;

void SelectAll(WorkshopDocument& doc);
void SelectNone(WorkshopDocument& doc);
void InvertSelection(WorkshopDocument& doc);
// Every arc (line) is selected; the other entities keep their state.
void SelectArcs(WorkshopDocument& doc);
void SelectLines(WorkshopDocument& doc);

// Every entity whose box lies inside the box between the two corners (any order) is selected; the
// others keep their state.  Returns how many entities lie inside.
size_t SelectWindow(WorkshopDocument& doc, double x1, double y1, double x2, double y2);

// From the one selected entity, selects the entities that continue it end to end on one side: first
// the earliest that touches either of its ends, then again and again the earliest that starts or ends
// at the free end of the last one.  Without exactly one selected entity: "First Select a Single
// Starting Entity".  Returns how many entities were added.
size_t SelectChain(Ui& ui, WorkshopDocument& doc);

}  // namespace quill
