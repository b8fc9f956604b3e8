// The Art Workshop's screen side without the window: the view of the document on a canvas and the
// interactive tools.  The window forwards its mouse presses, moves and releases, its menu commands and
// its resizes here and shows the canvas, the prompt and the cursor text; nothing here ever waits, so
// the program stays responsive while a tool waits for its picks.
//
// A tool runs until the right button ends it: the drawing tools start again after each shape, the
// others end after their one pick.  A right press while a tool waits for a pick cancels the pick.
#pragma once

#include <string>
#include <vector>

#include "artwork/workshop/rubber_band.h"
#include "geometry/entity.h"
#include "job/view_state.h"
#include "mathlib/curves.h"
#include "view/trwindow.h"

namespace quill {

class Job;
class WorkshopDocument;

enum class WorkshopTool {
  Pick,          // entity selection mode: a click selects the nearest entity (Shift adds to the selection)
  SelectWindow,  // Select Window: a box; what lies inside is selected
  Zoom,          // View > Zoom: a box becomes the window
  Line,          // Draw > Line: press, drag, release
  Box,           // Draw > Box: press, drag, release
  Circle,        // Draw > Arc: the centre, then a point on the circle
  ConnectLine,   // start and end, snapped to end points
  ConnectArc,    // start and end (snapped), then the middle
  Curve,         // control points until the right button
  ConnectCurve,  // start and end (snapped), then control points until the right button
  Offset,        // Offset Line/Arc through a point (one selected entity)
  Mirror,        // the mirror line for the selected entities
  NewOrigin,     // Set New X/Y Origin
  Paste,         // the origin for the pasted entities
};

enum class MouseButton { Left, Right, Middle };

// What a mouse event did, for the window to bring its menus, tool bar and scroll bars up to date (the
// picture itself is already drawn on the canvas).
struct SessionOutcome {
  bool drawingChanged = false;    // Undo and Redo, Show Information
  bool selectionChanged = false;  // Properties and the commands that need a selection
  bool toolEnded = false;         // the tool went back to entity selection
  bool windowChanged = false;     // a new view: the scroll bars are back at 0
};

class WorkshopSession {
 public:
  WorkshopSession(Job& job, WorkshopDocument& doc, Canvas& canvas) : job_(job), doc_(doc), canvas_(canvas) {}

  Trwindow& View() { return view_; }

  // Maps the document's window onto the canvas (after a resize or a new window) and draws everything.
  void ShowWindow();
  // Draws the whole picture again (View > Redraw, and after any command that changed the drawing).
  void Redraw();

  // View commands: each changes the window and shows it.
  void ViewDefault();
  void ViewExtents();
  void ViewPrevious();
  void ViewZoomOut();
  // The scroll bars' positions after a scroll; the window moves by the change.
  void Scroll(int xPosition, int yPosition);
  int ScrollX() const { return scrollX_; }
  int ScrollY() const { return scrollY_; }

  // Starts a tool, ending the one running.  Offset needs exactly one selected entity and Mirror a
  // selection; without them nothing starts (false).
  bool Start(WorkshopTool tool);
  // Edit > Paste: starts the origin pick when the text holds geometry (a text without the marker does
  // nothing, a damaged one is reported); false when nothing is to be pasted.
  bool StartPaste(const std::string& clipboardText);
  // Ends the running tool and any pick (the Edit menu or the pop-up menu opened, Entity Selection Mode).
  void EndTool();

  SessionOutcome Press(MouseButton button, int px, int py, bool shift);
  void Move(int px, int py);
  SessionOutcome Release(MouseButton button, int px, int py);

  WorkshopTool Tool() const { return tool_; }
  const std::string& Prompt() const { return prompt_; }
  RubberBand Band() const { return band_.Kind(); }
  // The status bar's cursor position: "X" x ", Y" y with 4 decimals.
  std::string CursorText(int px, int py) const;

 private:
  struct State {
    unsigned long revision, selection;
    WorkshopTool tool;
    WorldWindow window;
  };
  State Now() const;
  SessionOutcome Since(const State& before) const;
  CurvePoint World(int px, int py) const;
  void Begin(WorkshopTool tool);
  void Finish();  // the tool ends after its last pick
  void StartBand(RubberBand kind, int px, int py);
  void StopBand();
  void LeftPress(int px, int py, bool shift);
  void LeftRelease(int px, int py);
  void PointPicked(CurvePoint p, int px, int py);
  void ControlPoint(CurvePoint p);
  void RightPress();
  void DrawAdded(size_t before);
  void ResetScroll() { scrollX_ = scrollY_ = 0; }

  Job& job_;
  WorkshopDocument& doc_;
  Canvas& canvas_;
  Trwindow view_;
  RubberBandPainter band_;
  WorkshopTool tool_ = WorkshopTool::Pick;
  std::string prompt_;
  std::vector<CurvePoint> picks_;     // the points picked so far by the running tool
  CurvePoint bandAt_;                 // where the rubber band is fixed, in the world
  std::vector<tgEntity> pasteItems_;  // what Paste places
  int scrollX_ = 0, scrollY_ = 0;
};

}  // namespace quill
