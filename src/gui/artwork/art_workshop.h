// TArtWorkshop ("ArtWorkshop"): the drawing editor for the job's artwork.  It shows the workshop's
// document in its paint box and hands the mouse, the menus and the tool bar to the core's session and
// commands; the small windows (coordinates, properties, symbol, information, the DXF import windows)
// ask what the commands need.  Opening loads the artwork file unless an editing run is under way;
// closing asks "Save Changes to Artwork".
//
// Commands that other parts of the program add (Optimize Tool Path, Cross Hatch, Linearize Arcs,
// Deskew & Scale) open their windows through the WindowDirectory under the class names below; such a
// window finds the workshop (its parent) and works on Document() and Session(), then calls Changed().
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "artwork/workshop/document.h"

class QAction;
class QLabel;
class QMenu;
class QScrollBar;

namespace quill {

struct DesktopContext;
class FileChoosers;
class Job;
class TArtInfoForm;
class TCoordinateDlg;
class TDxfImportDlg;
class TEditPropertiesDlg;
class TSymbolDlg;
class WorkshopPaintBox;
class WorkshopSession;
enum class WorkshopTool;

namespace workshop_class {
inline constexpr const char* Optimize = "TOptimizeDlg";
inline constexpr const char* CrossHatch = "TCrossHatchDlg";
inline constexpr const char* Linearize = "TLinearizeDlg";
inline constexpr const char* Deskew = "TDeskewDlg";
}  // namespace workshop_class

class TArtWorkshop : public QMainWindow {
  Q_OBJECT

 public:
  // dxfImport: the DXF import windows shared with the main window (Insert > DXF Symbol uses them).
  TArtWorkshop(DesktopContext& context, TDxfImportDlg& dxfImport, QWidget* parent = nullptr);
  ~TArtWorkshop() override;

  // "Art &Workshop": the artwork loaded unless an editing run is under way, shown maximised at the
  // drawing's extents.
  void Open();

  WorkshopDocument& Document() { return doc_; }
  WorkshopSession& Session();
  WorkshopPaintBox& PaintBox() { return *paintBox_; }
  // After a command changed the drawing, the selection or the view: the picture, the menus, the
  // prompt, the status bar and the information window are brought up to date.
  void Changed();

  // A menu item by its caption without access keys ("Select Window", "Deskew & Scale"), a tool button
  // by its hint ("Select by Window"), and what the prompt line and the status bar's panels show.
  QAction* MenuItem(const QString& caption) const;
  QAction* Button(const QString& hint) const;
  QMenu& Popup() { return *popup_; }
  QString PromptText() const;
  QString StatusPanel(int i) const;
  QScrollBar& HorizontalBar() { return *horizontal_; }
  QScrollBar& VerticalBar() { return *vertical_; }

  TCoordinateDlg& CoordinateWindow() { return *coordinates_; }
  TEditPropertiesDlg& PropertiesWindow() { return *properties_; }
  TSymbolDlg& SymbolWindow() { return *symbol_; }
  TArtInfoForm& InformationWindow() { return *information_; }

  void SetChoosers(std::unique_ptr<FileChoosers> choosers);
  // Called after every close that ended an editing run (the artwork file may have been written).
  void OnClosed(std::function<void()> f) { closed_ = std::move(f); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Revisions {
    unsigned long drawing, selection;
  };
  Revisions Now() const { return {doc_.Revision(), doc_.SelectionRevision()}; }

  void BuildMenus();
  void BuildToolBar();
  void BuildPopup();
  QWidget* BuildWorkArea();
  void BuildStatusBar();
  QAction* Item(QMenu* menu, const char* caption, std::function<void()> command, QKeySequence shortcut = {});

  // Runs a command and shows what it changed.
  void Run(const std::function<void()>& command);
  void StartTool(WorkshopTool tool);
  void OpenExtension(const char* className, const char* what);
  void ScrollEnded();
  void Pan();
  void SyncScrollBars();

  // The commands of the menus (art_workshop_commands.cpp).
  void ExportDxf();
  void CutOrCopy(bool cut);
  void Paste();
  void EditProperties();
  void InsertSymbol();
  void MoveSelection();
  void RotateSelection();
  void ScaleSelection();
  void ShowInformation();
  void UndoOrRedo(bool undo);
  void ShowHelp();

  DesktopContext& context_;
  Job& job_;
  TDxfImportDlg& dxfImport_;
  WorkshopDocument doc_;
  WorkshopPaintBox* paintBox_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QLabel* prompt_;
  QLabel* panels_[3] = {};
  QMenu* popup_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* propertiesItem_ = nullptr;
  TCoordinateDlg* coordinates_;
  TEditPropertiesDlg* properties_;
  TSymbolDlg* symbol_;
  TArtInfoForm* information_;
  std::unique_ptr<FileChoosers> choosers_;
  std::function<void()> closed_;
  Revisions shown_{~0ul, ~0ul};
  bool panPosted_ = false;
};

}  // namespace quill
