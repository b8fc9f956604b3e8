// The menu bar, the button bar and the picture's right-click menu of the main window.
#include <QMenuBar>
#include <QToolBar>

#include "job/job.h"
#include "picture/picture_area.h"
#include "picture/picture_area_frame.h"
#include "picture/printing.h"
#include "shell/help_contexts.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/program_icons.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

QString Plain(QString caption) {
  return caption.remove('&');
}

}  // namespace

QAction* TMainform::MenuItem(const QString& caption) const {
  for (QAction* a : menuBar()->findChildren<QAction*>()) {
    if (Plain(a->text()) == caption && !a->property("button").toBool()) return a;
  }
  return nullptr;
}

QAction* TMainform::Button(const QString& hint) const {
  for (QAction* a : findChildren<QAction*>()) {
    if (a->toolTip() == hint && a->property("button").toBool()) return a;
  }
  return nullptr;
}

void TMainform::BuildMenus() {
  auto item = [this](QMenu* menu, const char* caption, auto handler, char shortcut = 0) {
    QAction* a = menu->addAction(caption);
    if (shortcut) a->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(shortcut)));
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  auto open = [this](const char* className, const char* what) { return [=, this] { OpenWindow(className, what); }; };
  DesktopContext& c = context_;

  QMenu* file = menuBar()->addMenu("&File");
  item(file, "&New Project", &TMainform::NewProject);
  item(file, "&Open Project ...", &TMainform::OpenProject);
  item(file, "&Save Project ...", &TMainform::SaveProject);
  item(file, "Save Project &As ...", &TMainform::SaveProjectAs);
  item(file, "Project P&roperties", &TMainform::ProjectProperties);
  item(file, "&Print", [this] { printing_->PrintPicture(); });
  item(file, "Printer &Setup ...", [this] { printing_->PrinterSetup(); });
  item(file, "Print Sample &Fonts ...", [this] { printing_->PrintSampleFonts(); });
  recentSeparator_ = file->addSeparator();
  for (int k = 0; k < 4; ++k) recent_[k] = item(file, "", [this, k] { OpenRecent(k); });
  file->addSeparator();
  item(file, "E&xit", &TMainform::ExitProgram);

  QMenu* edit = menuBar()->addMenu("&Edit");
  item(edit, "&Copy", [this] { printing_->CopyBitmap(); });
  item(edit, "Copy &Metafile", &TMainform::CopyMetafile);

  QMenu* core = menuBar()->addMenu("&Quillcore");
  item(core, "&Settings", open(window_class::Settings, "The settings dialog"));
  item(core, "&Text", &TMainform::ShowText);
  item(core, "&Generate", &TMainform::Generate, 'G');
  item(core, "Delete Curent Text", &TMainform::DeleteCurrentText);
  item(core, "C&onvert to Artwork", &TMainform::ConvertToArtwork);
  item(core, "&Compile Font", &TMainform::CompileFont);
  item(core, "&De-Compile Font", &TMainform::DecompileFont);
  item(core, "Serial Numbers", open(window_class::SerialNumbers, "The serial-number dialog"));
  item(core, "Merge Data", open(window_class::MergeData, "The Merge Data window"));

  QMenu* art = menuBar()->addMenu("&Artwork");
  item(art, "Delete &All Artwork", &TMainform::DeleteAllArtwork);
  item(art, "&Scan / Trace / Convert", &TMainform::ScanTraceConvert);
  item(art, "&Import-Artwork", &TMainform::ImportArtwork);
  item(art, "Art &Workshop", open(window_class::ArtWorkshop, "The Art Workshop"), 'W');
  item(art, "&Modify Artwork", &TMainform::ModifyArtwork);
  item(art, "&Raised / Inset Letters", &TMainform::RaisedInsetLetters);

  QMenu* tool = menuBar()->addMenu("&Tool Path");
  item(tool, "&Create Tool Path", &TMainform::CreateToolPath, 'T');
  item(tool, "&Delete Tool Path", &TMainform::DeleteToolPath);
  item(tool, "Generate NC-Code", &TMainform::GenerateNcCode, 'N');
  item(tool, "&Edit NC-Code FIle", open(window_class::NcEditor, "The NC editor"));

  QMenu* view = menuBar()->addMenu("&View");
  view3D_ = item(view, "&3D", &TMainform::Switch3D);
  view3D_->setCheckable(true);
  item(view, "Setu&p 3D View", &TMainform::Setup3DView);
  item(view, "&Extents", &TMainform::Extents, 'E');
  item(view, "&Previous", &TMainform::Previous);
  item(view, "Re&f-Frame", &TMainform::ReferenceFrame);
  item(view, "&Refresh", &TMainform::Refresh);
  item(view, "&Slow Refresh", &TMainform::SlowRefresh);
  item(view, "&Zoom", &TMainform::Zoom, 'Z');
  item(view, "Zoom &Out", &TMainform::ZoomOut);
  item(view, "Simulate", &TMainform::Simulate, 'S');
  solidSeparator_ = view->addSeparator();
  solidModel_ = item(view, "Solid &Model", &TMainform::SolidModel, 'V');

  QMenu* setup = menuBar()->addMenu("&Setup");
  item(setup, "&Preferences", &TMainform::Preferences);
  item(setup, "Setup &NC Code", open(window_class::NcSetup, "The NC-code generator setup"));

  QMenu* help = menuBar()->addMenu("&Help");
  item(help, "&Contents", [&c] { ShowHelpPage(c, HelpContentsPage); });
  item(help, "&Topic Search", [&c] { ShowHelpIndex(c); });
  item(help, "Tuto&rials", [&c] { ShowHelpPage(c, HelpTutorialsPage); });
  item(help, "&About", open(window_class::About, "The about box"));

  for (const char* caption : {"Extents", "Previous", "Refresh", "Zoom"}) Frame().Picture().addAction(MenuItem(caption));
  Frame().Picture().setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TMainform::BuildButtonBar() {
  struct ButtonSpec {
    const char* caption;
    const char* hint;
    const char* command;  // the menu item the button runs
    const char* icon;     // data/icons/<icon>.svg, shown by the menu item too
  };
  static constexpr ButtonSpec kButtons[] = {
      {"New", "New Project File", "New Project", "new"},
      {"Open", "Open Project File", "Open Project ...", "open"},
      {"Save", "Save Project File", "Save Project ...", "save"},
      {"Print", "Print Current Picture", "Print", "print"},
      {"Copy", "Copy Picture to Clipboard", "Copy", "copy"},
      {"Settings", "Quillmark Settings", "Settings", "settings"},
      {"Text", "Edit Text To Engrave", "Text", "text"},
      {"Go", "Generate Engraving", "Generate", "generate"},
      {"NC", "Generate NC-Code", "Generate NC-Code", "nc-code"},
      {"Art", "Art Workshop", "Art Workshop", "art-workshop"},
      {"Scan", "Scan / Trace / Convert", "Scan / Trace / Convert", "scan"},
      {"Zoom", "Zoom In", "Zoom", "zoom-in"},
      {"Previous", "Previous View", "Previous", "previous"},
      {"Extents", "View Extents", "Extents", "extents"},
      {"Help", "Show Help", "Contents", "help"},
      {"Exit", "Exit From QUILLMARK", "Exit", "exit"},
  };
  QToolBar* bar = addToolBar("Buttons");
  bar->setObjectName("ButtonBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setIconSize(QSize(ButtonIconSize, ButtonIconSize));
  for (const ButtonSpec& b : kButtons) {
    QAction* command = MenuItem(b.command);
    QIcon icon = ProgramIcon(b.icon);
    command->setIcon(icon);
    QAction* a = bar->addAction(icon, b.caption);
    a->setToolTip(b.hint);
    a->setProperty("button", true);
    connect(a, &QAction::triggered, command, &QAction::trigger);
  }
}

}  // namespace quill
