// The main window's own windows: help, project properties and the about box.
#include <QDialog>

#include "job/job.h"
#include "shell/help_window.h"
#include "shell/main_window_about.h"
#include "shell/main_window_classes.h"
#include "shell/project_properties.h"
#include "shell/window_directory.h"

namespace quill {

void RegisterShellWindows(DesktopContext& context, QWidget* mainWindow) {
  auto* help = new HelpWindow(context.job.paths.HelpFile, mainWindow);
  context.windows.Register(HelpWindowClass, [help](QWidget*) {
    help->ShowContents();
    return QDialog::Accepted;
  });
  auto* properties = new ProjectPropertiesDlg(context, mainWindow);
  context.windows.Register(window_class::ProjectProperties, [properties](QWidget*) { return properties->Run(); });
  context.windows.Register(window_class::About, Modeless(new AboutBox(mainWindow)));
}

}  // namespace quill
