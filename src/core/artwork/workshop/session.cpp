#include "artwork/workshop/session.h"

#include <algorithm>

#include "artwork/workshop/clipboard.h"
#include "artwork/workshop/document.h"
#include "artwork/workshop/draw_commands.h"
#include "artwork/workshop/drawing.h"
#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/picking.h"
#include "artwork/workshop/selection.h"
#include "artwork/workshop/view_commands.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kStartPrompt = "Select Start Point";
constexpr const char* kEndPrompt = "Select End Point";
constexpr const char* kMidPrompt = "Select Mid Point";
constexpr const char* kCurvePrompt = "Select Curve Points, Right Mouse Botton When Done";

// A click picks among the entities within this many inches on the screen.
constexpr double kPickInches = 0.1;

const char* FirstPrompt(WorkshopTool tool) {
  switch (tool) {
    case WorkshopTool::ConnectLine:
    case WorkshopTool::ConnectArc:
    case WorkshopTool::ConnectCurve: return kStartPrompt;
    case WorkshopTool::Curve: return kCurvePrompt;
    case WorkshopTool::Offset: return "Indicate Position to Offset Through";
    case WorkshopTool::Mirror: return "Select Mirror Line";
    case WorkshopTool::NewOrigin: return "Select New Origin";
    case WorkshopTool::Paste: return "Select Origin for Paste";
    default: return "";
  }
}

}  // namespace

CurvePoint WorkshopSession::World(int px, int py) const {
  CurvePoint p;
  view_.PixelToWorld(px, py, p.X, p.Y);
  return p;
}

void WorkshopSession::ShowWindow() {
  view_.SetBlackBackground(job_.prefs.BlackBackground);
  view_.Attach(canvas_);
  CanvasRect c = canvas_.ClipBox();
  view_.SetAspect(c.right - c.left, c.bottom - c.top);
  const WorldWindow& w = doc_.window;
  view_.SetWindow(w.Xmin, w.Ymin, w.Xmax, w.Ymax);
  view_.MapToCanvas(canvas_);
  band_.Lost();
  band_.SetAnchor(view_.WorldToPixel(bandAt_.X, bandAt_.Y));
  Redraw();
}

void WorkshopSession::Redraw() {
  band_.Lost();
  DrawWorkshop(doc_, job_.prefs, view_, canvas_);
  // The points of a curve under way stay marked.
  if (tool_ == WorkshopTool::Curve || tool_ == WorkshopTool::ConnectCurve) {
    view_.SetPenColor(canvas_, job_.prefs.TextLineColor);
    for (const CurvePoint& p : picks_) view_.Marker(canvas_, p.X, p.Y, 0);
  }
  band_.Restore(canvas_, view_.BlackBackground());
}

void WorkshopSession::ViewDefault() {
  quill::ViewDefault(doc_);
  ResetScroll();
  ShowWindow();
}

void WorkshopSession::ViewExtents() {
  if (!quill::ViewExtents(doc_)) return;
  ResetScroll();
  ShowWindow();
}

void WorkshopSession::ViewPrevious() {
  quill::ViewPrevious(doc_);
  ResetScroll();
  ShowWindow();
}

void WorkshopSession::ViewZoomOut() {
  quill::ViewZoomOut(doc_);
  ResetScroll();
  ShowWindow();
}

void WorkshopSession::Scroll(int xPosition, int yPosition) {
  ViewScroll(doc_, xPosition - scrollX_, yPosition - scrollY_);
  scrollX_ = xPosition;
  scrollY_ = yPosition;
  ShowWindow();
}

bool WorkshopSession::Start(WorkshopTool tool) {
  if (tool == WorkshopTool::Paste) return false;
  if (tool == WorkshopTool::Offset && doc_.SelectedCount() != 1) return false;
  if (tool == WorkshopTool::Mirror && doc_.SelectedCount() == 0) return false;
  EndTool();
  Begin(tool);
  return true;
}

bool WorkshopSession::StartPaste(const std::string& clipboardText) {
  std::vector<tgEntity> items;
  if (!ParseClipboard(job_.ui, clipboardText, items) || items.empty()) return false;
  EndTool();
  Begin(WorkshopTool::Paste);
  pasteItems_ = std::move(items);
  return true;
}

void WorkshopSession::Begin(WorkshopTool tool) {
  tool_ = tool;
  prompt_ = FirstPrompt(tool);
  if (tool != WorkshopTool::Offset) return;
  // An arc's offset is shown as the circle it will lie on.
  const tgEntity& e = doc_.At(static_cast<size_t>(doc_.FirstSelected()));
  if (!e.IsArc()) return;
  bandAt_ = {e.X(), e.Y()};
  band_.Begin(RubberBand::LineCircle, view_.WorldToPixel(e.X(), e.Y()));
}

void WorkshopSession::EndTool() {
  bool marked = !picks_.empty() && (tool_ == WorkshopTool::Curve || tool_ == WorkshopTool::ConnectCurve);
  band_.End(canvas_, view_.BlackBackground());
  tool_ = WorkshopTool::Pick;
  prompt_.clear();
  picks_.clear();
  pasteItems_.clear();
  if (marked) Redraw();
}

void WorkshopSession::StartBand(RubberBand kind, int px, int py) {
  bandAt_ = World(px, py);
  picks_ = {bandAt_};
  band_.Begin(kind, {px, py});
}

void WorkshopSession::StopBand() {
  band_.End(canvas_, view_.BlackBackground());
}

WorkshopSession::State WorkshopSession::Now() const {
  return {doc_.Revision(), doc_.SelectionRevision(), tool_, doc_.window};
}

SessionOutcome WorkshopSession::Since(const State& before) const {
  const WorldWindow &a = before.window, &b = doc_.window;
  bool moved = a.Xmin != b.Xmin || a.Ymin != b.Ymin || a.Xmax != b.Xmax || a.Ymax != b.Ymax;
  return {doc_.Revision() != before.revision, doc_.SelectionRevision() != before.selection,
          before.tool != WorkshopTool::Pick && tool_ == WorkshopTool::Pick, moved};
}

SessionOutcome WorkshopSession::Press(MouseButton button, int px, int py, bool shift) {
  State before = Now();
  if (button == MouseButton::Right) RightPress();
  if (button == MouseButton::Left) LeftPress(px, py, shift);
  return Since(before);
}

void WorkshopSession::Move(int px, int py) {
  band_.Follow(canvas_, view_.BlackBackground(), {px, py});
}

SessionOutcome WorkshopSession::Release(MouseButton button, int px, int py) {
  State before = Now();
  if (button == MouseButton::Left) LeftRelease(px, py);
  return Since(before);
}

void WorkshopSession::LeftPress(int px, int py, bool shift) {
  switch (tool_) {
    case WorkshopTool::Pick:
    case WorkshopTool::SelectWindow:
      if (!shift && doc_.SelectedCount() > 0) {
        SelectNone(doc_);
        Redraw();
      }
      if (tool_ == WorkshopTool::SelectWindow) StartBand(RubberBand::Box, px, py);
      break;
    case WorkshopTool::Zoom:
    case WorkshopTool::Box: StartBand(RubberBand::Box, px, py); break;
    case WorkshopTool::Line: StartBand(RubberBand::Line, px, py); break;
    case WorkshopTool::Mirror: break;  // the mirror line is picked by a click
    default: PointPicked(World(px, py), px, py); break;
  }
}

void WorkshopSession::LeftRelease(int px, int py) {
  CurvePoint p = World(px, py);
  double grow = kPickInches / view_.UnitsToInches();
  switch (tool_) {
    case WorkshopTool::Pick:
      if (long picked = PickEntity(doc_, p.X, p.Y, grow); picked >= 0) {
        DrawWorkshopEntity(doc_.At(static_cast<size_t>(picked)), job_.prefs, view_, canvas_);
      }
      return;
    case WorkshopTool::Mirror:
      MirrorSelected(job_.ui, doc_, NearestEntity(doc_, p.X, p.Y, grow));
      Redraw();
      EndTool();
      return;
    case WorkshopTool::SelectWindow:
    case WorkshopTool::Zoom:
    case WorkshopTool::Line:
    case WorkshopTool::Box: break;
    default: return;  // the other tools pick on the press
  }
  if (picks_.empty()) return;  // no press started the band
  StopBand();
  CurvePoint a = picks_.front();
  picks_.clear();
  size_t before = doc_.Size();
  switch (tool_) {
    case WorkshopTool::SelectWindow: {
      // Selecting only adds marks: they are drawn on what is there, without a redraw of the drawing.
      std::vector<size_t> was = doc_.SelectedIndices();
      SelectWindow(doc_, a.X, a.Y, p.X, p.Y);
      for (size_t i : doc_.SelectedIndices()) {
        if (!std::binary_search(was.begin(), was.end(), i)) DrawWorkshopEntity(doc_.At(i), job_.prefs, view_, canvas_);
      }
      EndTool();
      break;
    }
    case WorkshopTool::Zoom:
      if (ViewZoom(doc_, a.X, a.Y, p.X, p.Y)) {
        ResetScroll();
        ShowWindow();
      }
      EndTool();
      break;
    case WorkshopTool::Line: DrawLine(doc_, a.X, a.Y, p.X, p.Y); break;
    case WorkshopTool::Box: DrawBox(doc_, a.X, a.Y, p.X, p.Y); break;
    default: break;
  }
  DrawAdded(before);
}

void WorkshopSession::PointPicked(CurvePoint p, int px, int py) {
  size_t before = doc_.Size();
  switch (tool_) {
    case WorkshopTool::Circle:
      if (picks_.empty()) {
        StartBand(RubberBand::Circle, px, py);
        return;
      }
      StopBand();
      DrawCircle(doc_, picks_.front().X, picks_.front().Y, p.X, p.Y);
      picks_.clear();
      break;
    case WorkshopTool::ConnectLine:
    case WorkshopTool::ConnectArc: {
      picks_.push_back(p);
      size_t needed = tool_ == WorkshopTool::ConnectLine ? 2 : 3;
      prompt_ = picks_.size() == 1 ? kEndPrompt : kMidPrompt;
      if (picks_.size() < needed) return;
      if (tool_ == WorkshopTool::ConnectLine) ConnectLine(doc_, picks_[0].X, picks_[0].Y, picks_[1].X, picks_[1].Y);
      if (tool_ == WorkshopTool::ConnectArc) ConnectArc(job_.ui, doc_, picks_[0], picks_[1], picks_[2]);
      picks_.clear();
      prompt_ = kStartPrompt;
      break;
    }
    case WorkshopTool::ConnectCurve:
      ControlPoint(p);
      prompt_ = picks_.size() == 1 ? kEndPrompt : kCurvePrompt;
      return;
    case WorkshopTool::Curve: ControlPoint(p); return;
    case WorkshopTool::Offset: OffsetThrough(job_.ui, doc_, p.X, p.Y); break;
    case WorkshopTool::NewOrigin:
      MoveOrigin(job_.ui, doc_, p.X, p.Y);
      EndTool();
      Redraw();
      return;
    case WorkshopTool::Paste:
      PasteEntities(job_.ui, doc_, std::move(pasteItems_), p.X, p.Y);
      EndTool();
      break;
    default: return;
  }
  DrawAdded(before);
}

void WorkshopSession::ControlPoint(CurvePoint p) {
  if (picks_.size() >= static_cast<size_t>(MaxCurveNodes)) {
    job_.ui.Inform("A Curve Takes at Most 125 Points");
    return;
  }
  picks_.push_back(p);
  view_.SetPenColor(canvas_, job_.prefs.TextLineColor);
  view_.Marker(canvas_, p.X, p.Y, 0);
}

void WorkshopSession::RightPress() {
  if (tool_ == WorkshopTool::Curve) DrawCurve(doc_, picks_);
  if (tool_ == WorkshopTool::ConnectCurve && picks_.size() > 2) {
    ConnectCurve(doc_, picks_[0], picks_[1], std::span<const CurvePoint>(picks_).subspan(2));
  }
  EndTool();
}

void WorkshopSession::DrawAdded(size_t before) {
  if (doc_.Size() <= before) return;
  bool black = view_.BlackBackground();
  band_.Hide(canvas_, black);
  for (size_t i = before; i < doc_.Size(); ++i) DrawWorkshopEntity(doc_.At(i), job_.prefs, view_, canvas_);
  band_.Restore(canvas_, black);
}

std::string WorkshopSession::CursorText(int px, int py) const {
  CurvePoint p = World(px, py);
  return "X" + FormatFixed(p.X, 4) + ", Y" + FormatFixed(p.Y, 4);
}

}  // namespace quill
