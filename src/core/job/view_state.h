// The view's globals: the world window shown, the one before it, the 3D switch and eye, zoom state.
#pragma once

namespace quill {

struct WorldWindow {
  double Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
};

// The main window's picture, when there is a screen: the shell clears it and shows the job's extents
// through this, and does the work itself (headless) when nothing is attached.
class PictureHost {
 public:
  virtual ~PictureHost() = default;
  virtual void ClearPicture() = 0;
  virtual void ShowExtents() = 0;
};

// The simulation window as the tool path drawing sees it.
class SimulationPanel {
 public:
  virtual ~SimulationPanel() = default;
  virtual bool Visible() const = 0;
  // The position of the record about to be drawn.
  virtual void ShowPosition(double x, double y, double z) = 0;
};

// The state shared by the simulation window and the tool path drawing loop.
enum SimulationState : int {
  SimOff = 0,        // drawing runs freely
  SimRewound = 1,    // the loop waits before its first record
  SimPlaying = 2,
  SimPaused = 3,     // the loop waits before its next record
  SimNextRapid = 4,  // run to the next rapid move, then pause
  SimStep = 5,       // draw one record, then pause
  SimAtEnd = 6,      // the last drawing reached the end of the tool path
};

struct ViewState {
  WorldWindow ViewWindow{1000, 1000, -1000, -1000};  // empty extent until something is drawn
  WorldWindow PrevViewWindow{-1, -1, 1, 1};
  bool View3D = false;
  double EyeX = -50, EyeY = -50, EyeZ = 50;
  bool ZoomArmed = false;
  bool ZoomDragging = false;
  double Zmin = 0, Zmax = 0;  // depth range of the tool path
  int ScrollX = 0, ScrollY = 0;
  int SimState = SimOff;
  int SimMovesPerSecond = 0;            // Play's pace while the simulation window shows; 0: no pause
  PictureHost* host = nullptr;          // the main window's picture, when there is one
  SimulationPanel* simPanel = nullptr;  // the simulation window, when there is one
};

}  // namespace quill
