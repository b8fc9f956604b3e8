// The picture's windows: the 3D view setup and the simulation, which plays the tool path in the main
// window's picture.
#include <QDialog>

#include "picture/picture_area.h"
#include "picture/simulate.h"
#include "picture/view3d_setup.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

void RegisterPictureWindows(DesktopContext& context, QWidget* mainWindow) {
  auto* setup3D = new View3DSetupDlg(context, mainWindow);
  context.windows.Register(window_class::View3DSetup, Modal(setup3D));
  if (auto* main = qobject_cast<TMainform*>(mainWindow)) {
    auto* simulate = new SimulateForm(context, main->Picture(), mainWindow);
    context.windows.Register(window_class::Simulate, [simulate](QWidget*) { return simulate->Run(); });
  }
}

}  // namespace quill
