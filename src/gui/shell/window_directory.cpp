#include "shell/window_directory.h"

#include <QDialog>

#include "ui/ui.h"

namespace quill {

void WindowDirectory::Register(const std::string& className, Opener opener) {
  openers_[className] = std::move(opener);
}

bool WindowDirectory::Has(const std::string& className) const {
  return openers_.count(className) > 0;
}

int WindowDirectory::Open(const std::string& className, QWidget* parent, const std::string& what) {
  auto it = openers_.find(className);
  if (it == openers_.end()) {
    ui_.Inform((what.empty() ? className : what) + " is not available yet");
    return QDialog::Rejected;
  }
  return it->second(parent);
}

WindowDirectory::Opener Modal(QDialog* dialog) {
  return [dialog](QWidget*) { return dialog->exec(); };
}

WindowDirectory::Opener Modeless(QWidget* window, bool normalSize) {
  return [window, normalSize](QWidget*) {
    if (normalSize) {
      window->showNormal();
    } else {
      window->show();
    }
    window->raise();
    window->activateWindow();
    return static_cast<int>(QDialog::Accepted);
  };
}

void RegisterAllWindows(DesktopContext& context, QWidget* mainWindow) {
  RegisterShellWindows(context, mainWindow);
  RegisterTextWindows(context, mainWindow);
  RegisterStageWindows(context, mainWindow);
  RegisterPictureWindows(context, mainWindow);
  RegisterArtworkWindows(context, mainWindow);
  RegisterRasterWindows(context, mainWindow);
}

}  // namespace quill
