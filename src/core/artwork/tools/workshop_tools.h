// The tools of this folder as Art Workshop commands on the document: what the windows call once the
// operator has filled in the options and made the picks.  Each change is one step of Undo; each says
// Done when the drawing changed (Cancelled also when the operator answered No).
#pragma once

#include <functional>
#include <vector>

#include "artwork/tools/cross_hatch.h"
#include "artwork/tools/deskew.h"
#include "artwork/tools/linearize.h"
#include "artwork/tools/optimize.h"

namespace quill {

class Ui;
class WorkshopDocument;

// Shows a result over the drawing before the operator is asked about it (the window redraws the
// document, which then hides its selected entities when hideSelected is set, and draws these on top).
using ShowResult = std::function<void(const std::vector<tgEntity>&)>;

// "Optimize Tool Path" of the selection from the approximate starting point.  The result is shown with
// the selection hidden, then "Accept Changes": Yes takes the selection out and puts the result at the
// end of the drawing; No leaves the drawing as it was and nothing selected.
ToolStatus OptimizeSelection(Ui& ui, WorkshopDocument& doc, const OptimizeOptions& options, double startX, double startY,
                       const ShowResult& show = {});

// "Cross Hatch" inside the selection.  The hatch lines are shown, then "Cross Hatching, O.K.": Yes adds
// them at the end of the drawing.  Nothing when no hatch line comes out.
ToolStatus CrossHatchSelection(Ui& ui, WorkshopDocument& doc, const HatchOptions& options, const ShowResult& show = {});

// "Linearize Arcs": every arc of the drawing, selected or not, becomes chords at the end of the drawing.
ToolStatus LinearizeDrawing(Ui& ui, WorkshopDocument& doc, const LinearizeOptions& options);

// "Deskew & Scale" of the selection.  With the "Select -X- Axis Line" option, axisLine is the picked
// line: it gives the axis and is selected, so it is straightened with the rest.
ToolStatus DeskewSelection(Ui& ui, WorkshopDocument& doc, const DeskewOptions& options, DeskewPicks picks,
                           long axisLine = -1);

}  // namespace quill
