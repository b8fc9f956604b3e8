// The workshop's View commands on the document's world window.  Each that changes the window keeps the
// one it replaces as the previous window, so Previous always goes back one view.
#pragma once

namespace quill {

class WorkshopDocument;

// (-10, -7, 10, 7).
void ViewDefault(WorkshopDocument& doc);
// The drawing's box widened by 10 % of its width and height on each side; nothing for an empty
// drawing.  A drawing without width or height (one point, one level line) gets a square window.
bool ViewExtents(WorkshopDocument& doc);
// Exchanges the current and the previous window.
void ViewPrevious(WorkshopDocument& doc);
// The box between two corners (any order) becomes the window; a box without width or height does
// nothing (false).
bool ViewZoom(WorkshopDocument& doc, double x1, double y1, double x2, double y2);
// The window grows by a quarter of its width and height on each side.
void ViewZoomOut(WorkshopDocument& doc);
// A scroll bar moved by steps: each step is 1/100 of the window's width (X) or height (Y, upwards for
// a negative step, as the bar runs down).
void ViewScroll(WorkshopDocument& doc, int xSteps, int ySteps);

}  // namespace quill
