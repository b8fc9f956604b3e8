// The main window's picture: the view object, the world window and the view commands (redraw,
// Refresh, Extents, Zoom, Zoom Out, Previous, scrolling, 3D, the coordinate text).  The window only
// forwards its events here; everything runs headless on any canvas.
#pragma once

#include <string>

#include "job/view_state.h"
#include "view/trwindow.h"

namespace quill {

class Job;

class MainView : public PictureHost {
 public:
  MainView(Job& job, Canvas& canvas) : job_(job), canvas_(canvas) {}

  Trwindow& Window() { return view_; }
  Canvas& Surface() { return canvas_; }

  // The fixed sequence before any full picture.
  void SetupView();
  // A new size of the picture area: scroll bars back to 0 and the view set up again.
  void Resize();
  // A paint of the picture: a full redraw unless one is running.
  void Paint();
  void Redraw();
  void Refresh() { StopSimulation(), Repaint(false); }
  void SlowRefresh() { StopSimulation(), Repaint(true); }
  // The simulation's Rewind: the picture drawn again without stopping the simulation.
  void SimulationRedraw() { Repaint(false); }
  void Extents();
  void ArmZoom();
  void ZoomPress(int x, int y);
  void ZoomMove(int x, int y);
  void ZoomRelease();
  void ZoomOut();
  void Previous();
  // The end of a scroll action, with both bars' positions (-100 to 100).
  void Scroll(int xPosition, int yPosition);
  // The 3D menu item's new check mark.
  void Switch3D(bool on);
  // "X<x>,Y<y>" of the world point under the mouse.
  std::string CoordinateText(int px, int py) const;

  void ClearPicture() override { view_.Clear(canvas_); }
  void ShowExtents() override { Extents(); }

 private:
  void StopSimulation();
  void Repaint(bool slow);
  void ShowWindow(bool set3D);
  void RubberBand();
  void ResetScrollBars();
  void Set3D();

  Job& job_;
  Canvas& canvas_;
  Trwindow view_;
  int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;  // the rubber band's corners in pixels
};

// The job's extents computed without a screen (the unattended run, the toolbox).
void ComputeJobExtents(Job& job);

}  // namespace quill
