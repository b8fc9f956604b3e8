// The program's windows by class name.  The main window's commands open windows through it, so a
// window joins the program by registering here, and a command whose window this build lacks says so.
#pragma once

#include <functional>
#include <map>
#include <string>

class QWidget;

namespace quill {

class Job;
class QtUi;

class WindowDirectory {
 public:
  // Shows the window (modal ones run to their end); returns the dialog's result code (QDialog::Accepted
  // or QDialog::Rejected; modeless windows give Accepted).
  using Opener = std::function<int(QWidget* parent)>;

  void Register(const std::string& className, Opener opener);
  bool Has(const std::string& className) const;
  // Opens the window; a missing one shows "<what> is not available yet" and gives Rejected.
  int Open(const std::string& className, QWidget* parent, const std::string& what = "");

 private:
  std::map<std::string, Opener> openers_;
};

// Everything the windows share: the job, the Qt Ui, the directory itself.
struct DesktopContext {
  Job& job;
  QtUi& ui;
  WindowDirectory& windows;
};

// Creates every window of the program once and registers it (window_registry.cpp: one line per module).
void RegisterAllWindows(DesktopContext& context, QWidget* mainWindow);

}  // namespace quill
