// TScanForm, "Scan/Trace/Convert": a picture (opened, scanned or pasted) to trace.  Lines drawn over
// it by hand, with an origin, an X axis mark and a scale point, become artwork lines when the window
// is left; or the vectorizer traces the picture and the main window imports its drawing afterwards.
// The window shows the core's TraceSession and hands it the mouse, the menus and the tool buttons.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "raster/trace_session.h"
#include "shell/help_contexts.h"

class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPrinter;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace quill {

struct DesktopContext;
class FileChoosers;
class Job;
class TCoordinateDlg;
class TEffectsDlg;
class TRas2vecdlg;
class TScannerDlg;
class TracePictureView;

class TScanForm : public QDialog {
  Q_OBJECT

 public:
  // coordinates: the coordinate window that asks for the scale point when the window is left.
  TScanForm(DesktopContext& context, TCoordinateDlg& coordinates, QWidget* parent = nullptr);
  ~TScanForm() override;

  // Shows the window modally until it is left: Accepted when the vectorizer's drawing waits to be
  // imported, Rejected otherwise.
  int Run();
  // True when leaving converted hand-drawn lines into artwork.
  bool ArtworkChanged() const { return artworkChanged_; }

  TraceSession& Session() { return session_; }
  TracePictureView& View() { return *view_; }
  QScrollArea& Area() { return *area_; }
  // A menu item by its caption without the access key ("Raster to Vector", "-X- Axis"), a tool button
  // by its hint, the mode button, and what the status line shows.
  QAction* MenuItem(const QString& caption) const;
  QAction* Button(const QString& hint) const;
  QPushButton& ModeButton() { return *mode_; }
  QString StatusText() const;

  TRas2vecdlg& SettingsWindow() { return *settings_; }
  void SetChoosers(std::unique_ptr<FileChoosers> choosers);
  // Its own Help and that of the settings window it opens.
  void SetHelpOpener(HelpPageOpener opener);

  // The picture and its annotations on the printer's page: at the top left corner, scaled by the
  // smaller of page width / picture width and page height / picture height.
  void PrintTo(QPrinter& printer);

  // Leaving goes through "E&xit" however the window is closed (Escape first gives up a waiting mark).
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus(QMenuBar* bar, QToolBar* tools);
  QAction* Item(QMenu* menu, QToolBar* tools, const char* caption, const char* hint, std::function<void()> command,
                QKeySequence shortcut = {});
  void PictureChanged();
  void ShowStatus();

  // The commands (scan_form_commands.cpp).
  void NewPicture();
  void OpenPicture();
  void SavePicture();
  bool SavePictureAs();
  void PrintPicture();
  void SelectScanner();
  void ScanPicture();
  void Exit();
  void Undo();
  void CutOrCopy(bool cut);
  void Paste();
  void Rotate();
  void Flip();
  void Effects();
  void RasterToVector();
  void ToggleMode();
  void PlaceMark(const char* letter, const char* what);

  Job& job_;
  TCoordinateDlg& coordinates_;
  TraceSession session_;
  QScrollArea* area_;
  TracePictureView* view_;
  QPushButton* mode_;
  QLabel* status_;
  QString prompt_;
  TRas2vecdlg* settings_;
  TEffectsDlg* effects_;
  TScannerDlg* scanner_;
  std::unique_ptr<FileChoosers> choosers_;
  HelpPageOpener help_;
  bool artworkChanged_ = false;
  bool leaving_ = false;
};

}  // namespace quill
