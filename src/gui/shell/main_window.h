// TMainform: the main window.  Its menu bar, button bar and the picture's right-click menu run the
// program's commands; each command tests what it needs, asks what it must and calls the core, or
// opens the window that does the work through the WindowDirectory.
#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "shell/main_window_choosers.h"

class QAction;
class QMenu;

namespace quill {

struct DesktopContext;
struct DxfImportOptions;
struct DxfImportWindows;
class Job;
class MainView;
class PictureArea;
class PictureFrame;
class Printing;

class TMainform : public QMainWindow {
  Q_OBJECT

 public:
  explicit TMainform(DesktopContext& context, QWidget* parent = nullptr);
  ~TMainform() override;

  DesktopContext& Context() { return context_; }
  PictureFrame& Frame() { return *frame_; }
  PictureArea& Picture();
  Printing& Printer() { return *printing_; }
  // A menu item by its caption without the access key mark ("Generate", "Zoom Out").
  QAction* MenuItem(const QString& caption) const;
  // A button of the button bar by its hint ("Generate Engraving").
  QAction* Button(const QString& hint) const;
  void SetChoosers(std::unique_ptr<FileChoosers> choosers) { choosers_ = std::move(choosers); }

  // The recent-project items, their separator and the caption, from the job's recent list.
  void RefreshRecentMenu();
  // The Solid Model item and its separator follow the preference.
  void ShowSolidModel(bool shown);

  // File and Edit.
  void NewProject();
  void OpenProject();
  bool SaveProject();
  bool SaveProjectAs();
  void OpenRecent(int k);
  void ProjectProperties();
  void ExitProgram();
  void CopyMetafile();
  // Quillcore.
  void ShowText();
  void Generate();
  void DeleteCurrentText();
  void ConvertToArtwork();
  void CompileFont();
  void DecompileFont();
  // Artwork.
  void DeleteAllArtwork();
  void ScanTraceConvert();
  void ImportArtwork();
  void ModifyArtwork();
  void RaisedInsetLetters();
  // Tool Path.
  void CreateToolPath();
  void DeleteToolPath();
  void GenerateNcCode();
  // View and Setup.
  void Switch3D(bool on);
  void SolidModel();
  void Setup3DView();
  void Extents();
  void Previous();
  void Refresh();
  void SlowRefresh();
  void Zoom();
  void ZoomOut();
  void Simulate();
  void Preferences();
  // The DXF import windows ("DXF - Import" before the import, "DXF Import Status" during it); none
  // where this build lacks them.
  DxfImportWindows DxfWindows();

 signals:
  // The close query allowed the close and the close steps ran.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void BuildButtonBar();
  QMenu* FileMenu();
  // A font file kind of the font compiler's choosers: its filter, extension and the name proposed for it.
  struct FontFileKind {
    const char* filter;
    const char* extension;
    std::string (*propose)(const std::string& from);
  };
  void ConvertFontFile(const FontFileKind& from, const FontFileKind& to,
                       const std::function<void(const std::string&, const std::string&)>& convert);
  int OpenWindow(const char* className, const char* what);
  DxfImportOptions& ImportOptions();
  void RunView(const std::function<void(MainView&)>& command);
  void WaitForDisplay();

  DesktopContext& context_;
  Job& job_;
  PictureFrame* frame_;
  std::unique_ptr<Printing> printing_;
  std::unique_ptr<FileChoosers> choosers_;
  std::shared_ptr<DxfImportOptions> dxfOptions_;  // the import options stay between imports
  std::array<QAction*, 4> recent_{};
  QAction* recentSeparator_ = nullptr;
  QAction* solidModel_ = nullptr;
  QAction* solidSeparator_ = nullptr;
  QAction* view3D_ = nullptr;
};

}  // namespace quill
