// The menus of the Scan/Trace/Convert window and the tool buttons that call the same commands.
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "raster/scan_form.h"
#include "raster/trace_picture_view.h"

namespace quill {

QAction* TScanForm::Item(QMenu* menu, QToolBar* tools, const char* caption, const char* hint,
                         std::function<void()> command, QKeySequence shortcut) {
  QAction* a = menu->addAction(caption);
  a->setShortcut(shortcut);
  connect(a, &QAction::triggered, this, std::move(command));
  if (hint) {
    QAction* button = tools->addAction(QString(caption).remove('&'));
    button->setToolTip(hint);
    connect(button, &QAction::triggered, a, &QAction::trigger);
  }
  return a;
}

void TScanForm::BuildMenus(QMenuBar* bar, QToolBar* tools) {
  QMenu* file = bar->addMenu("&File");
  Item(file, tools, "&New", "New Picture", [this] { NewPicture(); });
  Item(
      file, tools, "&Open", "Open Picture", [this] { OpenPicture(); }, QKeySequence::Open);
  Item(
      file, tools, "&Save", "Save Picture", [this] { SavePicture(); }, QKeySequence::Save);
  Item(file, nullptr, "Save &As", nullptr, [this] { SavePictureAs(); });
  Item(
      file, tools, "&Print", "Print Picture", [this] { PrintPicture(); }, QKeySequence::Print);
  file->addSeparator();
  Item(file, nullptr, "S&elect Scanner", nullptr, [this] { SelectScanner(); });
  Item(file, tools, "&Scan", "Scan a Picture", [this] { ScanPicture(); });
  file->addSeparator();
  Item(file, tools, "E&xit", "Exit", [this] { Exit(); });

  QMenu* edit = bar->addMenu("&Edit");
  Item(
      edit, tools, "Undo", "Undo", [this] { Undo(); }, QKeySequence::Undo);
  Item(
      edit, tools, "&Cut", "Cut", [this] { CutOrCopy(true); }, QKeySequence::Cut);
  Item(
      edit, tools, "Copy", "Copy", [this] { CutOrCopy(false); }, QKeySequence::Copy);
  Item(
      edit, tools, "Paste", "Paste", [this] { Paste(); }, QKeySequence::Paste);

  QMenu* modify = bar->addMenu("&Modify");
  Item(modify, tools, "&Rotate", "Rotate Picture", [this] { Rotate(); });
  Item(modify, tools, "&Flip", "Flip Picture", [this] { Flip(); });
  Item(modify, tools, "E&ffects", "Picture Effects", [this] { Effects(); });

  QMenu* convert = bar->addMenu("&Convert");
  Item(convert, tools, "&Raster to Vector", "Raster to Vector", [this] { RasterToVector(); });

  QMenu* view = bar->addMenu("&View");
  Item(view, tools, "&Reset Zoom", "Reset Zoom", [this] {
    view_->ResetZoom();
    ShowStatus();
  });
  Item(view, tools, "&Toggle Zoom/Stretch", "Zoom or Stretch", [this] {
    view_->ToggleStretch();
    ShowStatus();
  });

  QMenu* draw = bar->addMenu("&Draw");
  Item(draw, nullptr, "&Toggle Drawing/Editing", nullptr, [this] { ToggleMode(); });
  Item(draw, tools, "&Origin", "Place Origin", [this] { PlaceMark("O", "the origin"); });
  Item(draw, tools, "-&X- Axis", "Place X Axis Point", [this] { PlaceMark("X", "a point on the X axis"); });
  Item(draw, tools, "&Scale Point", "Place Scale Point", [this] { PlaceMark("S", "the scale point"); });

  QMenu* help = bar->addMenu("&Help");
  Item(help, tools, "&Help on Scan/Trace", "Help", [this] {
    if (help_) help_("Scan_Trace");
  });
}

}  // namespace quill
