// The view's globals: the world window shown, the one before it, the 3D switch and eye, zoom state.
#pragma once

namespace quill {

struct WorldWindow {
  double Xmin = 0, Ymin = 0, Xmax = 0, Ymax = 0;
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
};

}  // namespace quill
