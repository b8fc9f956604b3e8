// The workshop's editing commands on the selected entities (the Modify menu and Delete).  Each is one
// step of Undo and returns true when the drawing changed; without a selection they do nothing.
#pragma once

namespace quill {

class Ui;
class WorkshopDocument;
class tgEntity;

bool DeleteSelected(WorkshopDocument& doc);
// The coordinate window's "Amount to Translate".
bool MoveSelected(Ui& ui, WorkshopDocument& doc, double dx, double dy);
// "Base/Amount of Rotation": counter-clockwise about (cx, cy) by degrees.
bool RotateSelected(Ui& ui, WorkshopDocument& doc, double cx, double cy, double degrees);
// "Base/Amount To Scale".  A negative factor scales by its size and turns the entities half a turn
// about the base (a radius never goes negative); a factor of 0 would crush them to nothing and does
// nothing.
bool ScaleSelected(Ui& ui, WorkshopDocument& doc, double cx, double cy, double factor);
// Mirror: the picked entity is unselected and is the mirror line for every other selected entity.  A
// picked entity that is no line is reported once and nothing is mirrored.
bool MirrorSelected(Ui& ui, WorkshopDocument& doc, long picked);
// Set All Arcs CCW: every clockwise arc of the drawing, selected or not, turned into the same arc
// travelled counter-clockwise.
bool SetAllArcsCCW(WorkshopDocument& doc);
// Set New X/Y Origin: every entity moved so that (x, y) becomes the origin.
bool MoveOrigin(Ui& ui, WorkshopDocument& doc, double x, double y);

// Scale as ScaleSelected does it, for one entity; false (entity untouched) for a factor of 0.
bool ScaleEntity(Ui& ui, tgEntity& e, double cx, double cy, double factor);

}  // namespace quill
