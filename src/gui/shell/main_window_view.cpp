// The View and Setup menus: the view commands on the picture, the 3D view, simulation, preferences.
#include <QDialog>

#include "job/job.h"
#include "picture/picture_area.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

void TMainform::Switch3D(bool on) {
  RunView([on](MainView& v) { v.Switch3D(on); });
}

// The verifier is handed a flat job: the 3D check and the picture follow the view it left.
void TMainform::SolidModel() {
  OpenWindow(window_class::SolidModel, "Solid Model");
  view3D_->setChecked(job_.view.View3D);
  Refresh();
}

void TMainform::Setup3DView() {
  OpenWindow(window_class::View3DSetup, "3D View Setup");
  Extents();
}

void TMainform::Extents() {
  RunView([](MainView& v) { v.Extents(); });
}

void TMainform::Previous() {
  RunView([](MainView& v) { v.Previous(); });
}

// The frame is part of the picture: a new one is drawn at once.
void TMainform::ReferenceFrame() {
  if (OpenWindow(window_class::RefFrame, "The reference frame dialog") == QDialog::Accepted) Refresh();
}

void TMainform::Refresh() {
  RunView([](MainView& v) { v.Refresh(); });
}

void TMainform::SlowRefresh() {
  RunView([](MainView& v) { v.SlowRefresh(); });
}

void TMainform::Zoom() {
  Picture().View().ArmZoom();
}

void TMainform::ZoomOut() {
  RunView([](MainView& v) { v.ZoomOut(); });
}

void TMainform::Simulate() {
  OpenWindow(window_class::Simulate, "Simulate");
}

void TMainform::Preferences() {
  OpenWindow(window_class::Preferences, "The preferences dialog");
  Picture().View().Window().SetBlackBackground(job_.prefs.BlackBackground);
  Refresh();
}

}  // namespace quill
