// One line per group of windows: each group creates its windows once and registers their openers.
#include "window_directory.h"
#include "dialog_windows_registry.h"
#include "main_windows_registry.h"
#include "stage_windows_registry.h"

namespace quill {

void RegisterAllWindows(DesktopContext& context, QWidget* mainWindow) {
  (void)context;
  (void)mainWindow;
  RegisterMainWindows(context, mainWindow);
  RegisterDialogWindows(context, mainWindow);
  RegisterStageWindows(context, mainWindow);
}

}  // namespace quill
