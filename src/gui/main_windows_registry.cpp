#include "main_windows_registry.h"

#include <QDialog>

#include "help_window.h"
#include "job/job.h"
#include "main_window.h"
#include "main_window_about.h"
#include "main_window_classes.h"
#include "picture_area.h"
#include "project_properties.h"
#include "simulate.h"
#include "view3d_setup.h"
#include "window_directory.h"

namespace quill {

namespace {

// A modeless window: shown and brought to the front.
int Present(QWidget* w) {
  w->show();
  w->raise();
  w->activateWindow();
  return QDialog::Accepted;
}

}  // namespace

void RegisterMainWindows(DesktopContext& context, QWidget* mainWindow) {
  auto* help = new HelpWindow(context.job.paths.HelpFile, mainWindow);
  context.windows.Register(HelpWindowClass, [help](QWidget*) {
    help->ShowContents();
    return QDialog::Accepted;
  });
  auto* setup3D = new View3DSetupDlg(context, mainWindow);
  context.windows.Register(window_class::View3DSetup, [setup3D](QWidget*) { return setup3D->exec(); });
  if (auto* main = qobject_cast<TMainform*>(mainWindow)) {
    auto* simulate = new SimulateForm(context, main->Picture(), mainWindow);
    context.windows.Register(window_class::Simulate, [simulate](QWidget*) { return simulate->Run(); });
  }
  auto* properties = new ProjectPropertiesDlg(context, mainWindow);
  context.windows.Register(window_class::ProjectProperties, [properties](QWidget*) { return properties->Run(); });
  auto* about = new AboutBox(mainWindow);
  context.windows.Register(window_class::About, [about](QWidget*) { return Present(about); });
}

}  // namespace quill
