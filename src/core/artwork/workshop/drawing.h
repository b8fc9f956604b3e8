// The workshop's picture, drawn through the view object on any canvas: the axes when shown, points in
// ArtColor (as an X), lines in TextLineColor, arcs in TextArcColor, and on each selected entity filled
// blue squares 4 pixels wide (a point at the point, a line at both ends, an arc at its start, middle
// and end).  Entities wholly outside the view are passed over.
#pragma once

#include "job/preferences.h"

namespace quill {

class Canvas;
class Trwindow;
class WorkshopDocument;
class tgEntity;

// The whole picture: the background first.
void DrawWorkshop(const WorkshopDocument& doc, const Preferences& prefs, Trwindow& view, Canvas& canvas);

// One entity in its colour, and its marks when it is selected (a new or newly picked entity).
void DrawWorkshopEntity(const tgEntity& e, const Preferences& prefs, Trwindow& view, Canvas& canvas);

}  // namespace quill
