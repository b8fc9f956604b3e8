// Finding entities and end points near a clicked position.
#pragma once

namespace quill {

class WorkshopDocument;

// Among the entities whose box grown by grow holds (x, y), the one nearest to it (by the distance from
// its line or circle; the earliest of equal distances); -1 when none.
long NearestEntity(const WorkshopDocument& doc, double x, double y, double grow);

// A click of the entity selection mode: the nearest entity is selected and becomes the last picked
// one.  Returns its index, -1 when the click hit nothing.
long PickEntity(WorkshopDocument& doc, double x, double y, double grow);

// Moves (x, y) onto the nearest start or end point of any entity (the earliest of equal distances); to
// (0, 0) when the drawing is empty.
void SnapToEndPoint(const WorkshopDocument& doc, double& x, double& y);

}  // namespace quill
