// The workshop's Draw commands.  Each adds its new entities, unselected, at the end of the drawing as
// one step of Undo and returns true; false when it adds nothing.  Shapes without size (a line of no
// length, a box of no width, a circle of no radius) add nothing.
#pragma once

#include <span>

#include "mathlib/curves.h"

namespace quill {

class Ui;
class WorkshopDocument;

// Bezier curves are drawn as this many points joined by lines.
inline constexpr int CurveDrawPoints = 50;

bool DrawLine(WorkshopDocument& doc, double x1, double y1, double x2, double y2);
// The four sides of the box between two corners.
bool DrawBox(WorkshopDocument& doc, double x1, double y1, double x2, double y2);
// The full counter-clockwise circle about (cx, cy) through (px, py).
bool DrawCircle(WorkshopDocument& doc, double cx, double cy, double px, double py);

// Connect - Line: a line between the end points nearest to the two picks.
bool ConnectLine(WorkshopDocument& doc, double x1, double y1, double x2, double y2);
// Connect - Arc: the counter-clockwise arc from the end point nearest to start to the one nearest to
// end, on the circle through the middle pick; "Could Not Find That Arc" when the three are in line.
bool ConnectArc(Ui& ui, WorkshopDocument& doc, CurvePoint start, CurvePoint end, CurvePoint middle);
// Curve: the Bezier curve with the picked points as control points (3 to 125 of them).
bool DrawCurve(WorkshopDocument& doc, std::span<const CurvePoint> points);
// Connect - Curve: the Bezier curve from the end point nearest to start through the inner control
// points to the one nearest to end (3 to 125 points in all).
bool ConnectCurve(WorkshopDocument& doc, CurvePoint start, CurvePoint end, std::span<const CurvePoint> inner);

// Mid Point: a point in the middle of the one selected entity.
bool AddMidPoint(WorkshopDocument& doc);
// Offset Line/Arc: a copy of the one selected line or arc moved sideways (a line) or grown or shrunk
// about its centre (an arc) so it passes through (x, y).  Nothing for a position on the entity itself;
// an arc cannot pass through its own centre, which is said.
bool OffsetThrough(Ui& ui, WorkshopDocument& doc, double x, double y);

}  // namespace quill
