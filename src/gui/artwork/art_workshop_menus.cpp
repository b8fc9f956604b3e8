// The workshop's menu bar, tool bar and the paint box's pop-up menu.  Opening the Edit menu or the
// pop-up menu ends any rubber band and any pick that is waiting.
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "artwork/art_workshop.h"
#include "artwork/workshop/draw_commands.h"
#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/selection.h"
#include "artwork/workshop/session.h"
#include "artwork/workshop_paint_box.h"
#include "job/job.h"

namespace quill {

QAction* TArtWorkshop::Item(QMenu* menu, const char* caption, std::function<void()> command, QKeySequence shortcut) {
  QAction* a = menu->addAction(caption);
  a->setShortcut(shortcut);
  connect(a, &QAction::triggered, this, std::move(command));
  return a;
}

void TArtWorkshop::BuildMenus() {
  WorkshopDocument& d = doc_;
  Ui& ui = job_.ui;
  auto run = [this](std::function<void()> command) { return [this, command] { Run(command); }; };
  auto tool = [this](WorkshopTool t) { return [this, t] { StartTool(t); }; };

  QMenu* file = menuBar()->addMenu("&File");
  Item(file, "&DXF Export", [this] { ExportDxf(); });
  Item(file, "E&xit Workshop", [this] { close(); });

  QMenu* edit = menuBar()->addMenu("&Edit");
  connect(edit, &QMenu::aboutToShow, this, [this] {
    Session().EndTool();
    Changed();
  });
  // Undo and Redo take shortcuts the other commands leave free (Ctrl+Z is the workshop's Zoom).
  undo_ = Item(edit, "&Undo", [this] { UndoOrRedo(true); }, QKeySequence(Qt::ALT | Qt::Key_Backspace));
  undo_->setObjectName("Undo");
  redo_ = Item(edit, "&Redo", [this] { UndoOrRedo(false); }, QKeySequence(Qt::CTRL | Qt::Key_Y));
  redo_->setObjectName("Redo");
  edit->addSeparator();
  Item(edit, "Cu&t", [this] { CutOrCopy(true); });
  Item(edit, "C&opy", [this] { CutOrCopy(false); });
  Item(edit, "&Paste", [this] { Paste(); });
  Item(edit, "&Delete", run([&d] { DeleteSelected(d); }), QKeySequence(Qt::Key_Delete));
  Item(edit, "Select ALL", run([&d] { SelectAll(d); }), QKeySequence(Qt::CTRL | Qt::Key_A));
  Item(edit, "Select Chain", run([&d, &ui] { SelectChain(ui, d); }), QKeySequence(Qt::CTRL | Qt::Key_S));
  Item(edit, "Select &Window", tool(WorkshopTool::SelectWindow), QKeySequence(Qt::CTRL | Qt::Key_W));
  Item(edit, "Select All Ar&cs", run([&d] { SelectArcs(d); }));
  Item(edit, "Select All &Lines", run([&d] { SelectLines(d); }));
  Item(edit, "Invert Current Selection", run([&d] { InvertSelection(d); }));
  Item(edit, "Deselect ALL", run([&d] { SelectNone(d); }));
  propertiesItem_ = Item(edit, "Properties", [this] { EditProperties(); });

  QMenu* insert = menuBar()->addMenu("&Insert");
  Item(insert, "&DXF Symbol", [this] { InsertSymbol(); });

  QMenu* draw = menuBar()->addMenu("&Draw");
  Item(draw, "&Connect - Line", tool(WorkshopTool::ConnectLine));
  Item(draw, "Connect - Arc", tool(WorkshopTool::ConnectArc));
  Item(draw, "Mid Point", run([&d] { AddMidPoint(d); }));
  Item(draw, "Offset Line/Arc", tool(WorkshopTool::Offset));
  Item(draw, "&Box", tool(WorkshopTool::Box));
  Item(draw, "&Line", tool(WorkshopTool::Line));
  Item(draw, "&Arc", tool(WorkshopTool::Circle));
  Item(draw, "Curve", tool(WorkshopTool::Curve));
  Item(draw, "&Connect - Curve", tool(WorkshopTool::ConnectCurve));
  Item(draw, "&Cross Hatch", [this] { OpenExtension(workshop_class::CrossHatch, "Cross Hatch"); });

  QMenu* modify = menuBar()->addMenu("&Modify");
  Item(modify, "&Deskew && Scale", [this] { OpenExtension(workshop_class::Deskew, "Deskew & Scale"); });
  Item(modify, "&Linearize Arcs", [this] { OpenExtension(workshop_class::Linearize, "Linearize Arcs"); });
  Item(modify, "&Mirror", tool(WorkshopTool::Mirror));
  Item(modify, "M&ove", [this] { MoveSelection(); });
  Item(modify, "&Rotate", [this] { RotateSelection(); });
  Item(modify, "&Scale", [this] { ScaleSelection(); });
  Item(modify, "Set All Arcs &CCW", run([&d] { SetAllArcsCCW(d); }));
  Item(modify, "Set New X/Y Origin", tool(WorkshopTool::NewOrigin));

  QMenu* tools = menuBar()->addMenu("&Tools");
  Item(tools, "&Optimize Tool Path", [this] { OpenExtension(workshop_class::Optimize, "Optimize Tool Path"); });
  Item(tools, "&Show Information", [this] { ShowInformation(); });

  QMenu* view = menuBar()->addMenu("&View");
  QAction* axis = view->addAction("&Axis");
  axis->setCheckable(true);
  axis->setChecked(doc_.showAxes);
  connect(axis, &QAction::toggled, this, [this](bool on) {
    doc_.showAxes = on;
    Session().Redraw();
    Changed();
  });
  Item(view, "&Default", run([this] { Session().ViewDefault(); }));
  Item(view, "&Extents", run([this] { Session().ViewExtents(); }), QKeySequence(Qt::CTRL | Qt::Key_E));
  Item(view, "&Previous", run([this] { Session().ViewPrevious(); }));
  Item(view, "&Redraw", run([this] { Session().Redraw(); }));
  Item(view, "Zoom &Out", run([this] { Session().ViewZoomOut(); }));
  Item(view, "&Zoom", tool(WorkshopTool::Zoom), QKeySequence(Qt::CTRL | Qt::Key_Z));

  QMenu* help = menuBar()->addMenu("&Help");
  Item(help, "&Help On Art Workshop", [this] { ShowHelp(); });
}

void TArtWorkshop::BuildToolBar() {
  struct ButtonSpec {
    const char* caption;
    const char* hint;
    const char* command;  // the menu item the button runs; none for Entity Selection Mode
  };
  static constexpr ButtonSpec kButtons[] = {
      {"All", "Select All", "Select ALL"},
      {"Window", "Select by Window", "Select Window"},
      {"Delete", "Delete Selected", "Delete"},
      {"Optimize", "Optimize ToolPath", "Optimize Tool Path"},
      {"Info", "Information", "Show Information"},
      {"Zoom", "Zoom In", "Zoom"},
      {"Previous", "Zoom Previous", "Previous"},
      {"Extents", "View Extents", "Extents"},
      {"Select", "Entity Selection Mode", nullptr},
      {"Help", "Help On Art Workshop", "Help On Art Workshop"},
      {"Exit", "Exit Art Workshop", "Exit Workshop"},
  };
  QToolBar* bar = addToolBar("Buttons");
  bar->setObjectName("ToolBar");
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (const ButtonSpec& b : kButtons) {
    QAction* a = bar->addAction(b.caption);
    a->setToolTip(b.hint);
    a->setProperty("button", true);
    if (b.command) {
      connect(a, &QAction::triggered, MenuItem(b.command), &QAction::trigger);
    } else {
      connect(a, &QAction::triggered, this, [this] {
        Session().EndTool();
        Changed();
      });
    }
  }
}

void TArtWorkshop::BuildPopup() {
  popup_ = new QMenu(this);
  popup_->setObjectName("Popup");
  for (auto [caption, command] : {std::pair{"Default", "Default"}, {"Extents", "Extents"}, {"Previous", "Previous"},
                                  {"Refresh", "Redraw"}, {"Zoom", "Zoom"}, {"Zoom Out", "Zoom Out"}}) {
    QAction* a = popup_->addAction(caption);
    connect(a, &QAction::triggered, MenuItem(command), &QAction::trigger);
  }
  connect(popup_, &QMenu::aboutToShow, this, [this] {
    Session().EndTool();
    Changed();
  });
  paintBox_->SetPopup(popup_);
}

}  // namespace quill
