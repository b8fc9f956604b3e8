// The program's windows by class name.  The main window's commands open windows through it, so a
// window joins the program by registering here, and a command whose window this build lacks says so.
// Each window group (shell, text, stages, picture) creates its windows once at start-up and registers
// them in its own <group>_windows.cpp.
#pragma once

#include <functional>
#include <map>
#include <string>

class QDialog;
class QWidget;

namespace quill {

class Job;
class QtUi;
class Ui;

class WindowDirectory {
 public:
  // Shows the window (modal ones run to their end); returns the dialog's result code (QDialog::Accepted
  // or QDialog::Rejected; modeless windows give Accepted).
  using Opener = std::function<int(QWidget* parent)>;

  // ui: where "<what> is not available yet" is said for a window this build lacks.
  explicit WindowDirectory(Ui& ui) : ui_(ui) {}

  void Register(const std::string& className, Opener opener);
  bool Has(const std::string& className) const;
  // Opens the window; a missing one says "<what> is not available yet" and gives Rejected.
  int Open(const std::string& className, QWidget* parent, const std::string& what = "");

 private:
  Ui& ui_;
  std::map<std::string, Opener> openers_;
};

// Openers for the two ways a window shows: a modal dialog runs to its end; a modeless window comes to
// the front (at its normal size when asked, so a minimised editor comes back).  Both place the window
// over the picture the first time (PlaceOverPicture).
WindowDirectory::Opener Modal(QDialog* dialog);
WindowDirectory::Opener Modeless(QWidget* window, bool normalSize = false);

// The first showing puts a window over the middle of the main window's picture (parent is any window
// of the main window's), below the menus and the button bar when it fits there and always on the
// screen; later showings leave it where the operator put it.
void PlaceOverPicture(QWidget* window, QWidget* parent);

// Everything the windows share: the job, the Qt Ui, the directory itself.
struct DesktopContext {
  Job& job;
  QtUi& ui;
  WindowDirectory& windows;
};

// Creates every window of the program once and registers it, group by group; mainWindow is the
// TMainform they belong to.
void RegisterAllWindows(DesktopContext& context, QWidget* mainWindow);

// The groups, each in its own folder: help, project properties and the about box (shell); settings,
// preferences and the text windows (text); the stages from text path to NC code (stages); 3D view setup
// and simulation (picture); the Art Workshop and the DXF import windows (artwork); Scan/Trace/Convert
// (raster).
void RegisterShellWindows(DesktopContext& context, QWidget* mainWindow);
void RegisterTextWindows(DesktopContext& context, QWidget* mainWindow);
void RegisterStageWindows(DesktopContext& context, QWidget* mainWindow);
void RegisterPictureWindows(DesktopContext& context, QWidget* mainWindow);
void RegisterArtworkWindows(DesktopContext& context, QWidget* mainWindow);
void RegisterRasterWindows(DesktopContext& context, QWidget* mainWindow);

}  // namespace quill
