// The Art Workshop driven as an operator drives it: the mouse on the paint box, the menus, the tool
// bar, the pop-up menu, the coordinate window and the close question.
#include <QCheckBox>
#include <QMenu>
#include <QScrollBar>
#include <cmath>

#include "artwork/coordinate_dlg.h"
#include "records/artwork_record.h"
#include "shell/expr_field.h"
#include "workshop_window_fixture.h"

namespace quill {
namespace {

using ArtWorkshopTest = WorkshopWindowTest;

std::vector<ArtRecord> ArtworkFile(const Job& job) {
  std::vector<ArtRecord> records;
  ArtReader in(job.paths.ArtFileName);
  ArtRecord r;
  while (in.Next(r)) records.push_back(r);
  return records;
}

TEST_F(ArtWorkshopTest, ABoxDrawnWithTheMouseIsTurnedAQuarterAndSaved) {
  OpenWorkshop();
  EXPECT_EQ(workshop->windowTitle(), "ArtWorkshop");
  EXPECT_TRUE(workshop->windowState() & Qt::WindowMaximized);
  Command("Box");
  Drag(1, 1, 3, 2);
  RightClick();
  ASSERT_EQ(Doc().Size(), 4u);
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
  EXPECT_EQ(workshop->StatusPanel(0), "Entities: 4");

  Command("Select Window");
  Drag(0, 0, 4, 3);
  EXPECT_EQ(Doc().SelectedCount(), 4u);
  EXPECT_EQ(workshop->StatusPanel(1), "Selected: 4");
  std::vector<tgEntity> drawn = Doc().Items();

  WhenModal<TCoordinateDlg>([](TCoordinateDlg& d) {
    EXPECT_EQ(d.Prompt(), "Base/Amount of Rotation");
    EXPECT_EQ(d.Caption(2), "Rotation Angle");
    TypeInto(d.Field(2), "90");
    PressOk(d);
  });
  Command("Rotate");

  ui.answers = {Answer::Yes};
  Command("Exit Workshop");
  EXPECT_FALSE(workshop->isVisible());
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back(), "Save Changes to Artwork");
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_TRUE(job.flags.ProjectModified);
  std::vector<ArtRecord> saved = ArtworkFile(job);
  ASSERT_EQ(saved.size(), 4u);
  for (size_t i = 0; i < 4; ++i) {
    // A quarter turn about the origin takes (x, y) to (-y, x).
    const tgEntity& e = drawn[i];
    EXPECT_EQ(saved[i].kind, ArtLine);
    double expected[4] = {-e.Y(), e.X(), -e.YE(), e.XE()};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(saved[i].v[k], expected[k], 1e-9) << i << " " << k;
  }
}

TEST_F(ArtWorkshopTest, TheCloseQuestionKeepsDiscardsOrSaves) {
  WriteArtwork();  // one line from (-1, -1) to (3, -1)
  std::string original = test::ReadFile(job.paths.ArtFileName);
  OpenWorkshop();
  ASSERT_EQ(Doc().Size(), 1u);
  Command("Select ALL");
  Command("Delete");
  ASSERT_EQ(Doc().Size(), 0u);

  ui.answers = {Answer::Cancel};
  workshop->close();
  EXPECT_TRUE(workshop->isVisible());
  EXPECT_TRUE(Doc().loaded);
  EXPECT_EQ(Doc().Size(), 0u);

  ui.answers = {Answer::No};
  Command("Exit Workshop");
  EXPECT_FALSE(workshop->isVisible());
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), original);

  // The next opening, here from the main window's tool button, shows the file's drawing again.
  main->Button("Art Workshop")->trigger();
  EXPECT_TRUE(workshop->isVisible());
  ASSERT_EQ(Doc().Size(), 1u);
  Command("Select ALL");
  Command("Delete");
  ui.answers = {Answer::Yes};
  workshop->Button("Exit Art Workshop")->trigger();
  EXPECT_FALSE(workshop->isVisible());
  EXPECT_TRUE(ArtworkFile(job).empty());
  EXPECT_TRUE(job.flags.ArtworkPresent);
}

TEST_F(ArtWorkshopTest, ClosingTheMainWindowAsksTheWorkshopFirst) {
  WriteArtwork();
  OpenWorkshop();
  ui.answers = {Answer::Cancel};
  main->close();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(workshop->isVisible());
}

TEST_F(ArtWorkshopTest, UndoAndRedoFromTheMenuAndTheirKeys) {
  OpenWorkshop();
  Command("Line");
  Drag(0, 0, 2, 1);
  RightClick();
  ASSERT_EQ(Doc().Size(), 1u);
  auto* undo = workshop->findChild<QAction*>("Undo");
  auto* redo = workshop->findChild<QAction*>("Redo");
  EXPECT_EQ(undo->text(), "&Undo Line");
  EXPECT_FALSE(redo->isEnabled());
  EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
  EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
  undo->trigger();
  EXPECT_EQ(Doc().Size(), 0u);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_EQ(redo->text(), "&Redo Line");
  redo->trigger();
  EXPECT_EQ(Doc().Size(), 1u);
  Activate(*workshop);
  QTest::keyClick(workshop, Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(Doc().Size(), 0u);
  QTest::keyClick(workshop, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Doc().Size(), 1u);
}

TEST_F(ArtWorkshopTest, TheMenusCarryTheirShortcutsAndTheToolBarItsHints) {
  OpenWorkshop();
  struct Shortcut {
    const char* caption;
    QKeySequence keys;
  };
  for (auto [caption, keys] : {Shortcut{"Delete", QKeySequence(Qt::Key_Delete)},
                               {"Select ALL", QKeySequence(Qt::CTRL | Qt::Key_A)},
                               {"Select Chain", QKeySequence(Qt::CTRL | Qt::Key_S)},
                               {"Select Window", QKeySequence(Qt::CTRL | Qt::Key_W)},
                               {"Extents", QKeySequence(Qt::CTRL | Qt::Key_E)},
                               {"Zoom", QKeySequence(Qt::CTRL | Qt::Key_Z)}}) {
    QAction* a = workshop->MenuItem(caption);
    ASSERT_NE(a, nullptr) << caption;
    EXPECT_EQ(a->shortcut(), keys) << caption;
  }
  for (const char* caption :
       {"DXF Export", "Exit Workshop", "Cut", "Copy", "Paste", "Select All Arcs", "Select All Lines",
        "Invert Current Selection", "Deselect ALL", "Properties", "DXF Symbol", "Connect - Line", "Connect - Arc",
        "Mid Point", "Offset Line/Arc", "Box", "Line", "Arc", "Curve", "Connect - Curve", "Cross Hatch",
        "Deskew & Scale", "Linearize Arcs", "Mirror", "Move", "Rotate", "Scale", "Set All Arcs CCW",
        "Set New X/Y Origin", "Optimize Tool Path", "Show Information", "Axis", "Default", "Previous", "Redraw",
        "Zoom Out", "Help On Art Workshop"}) {
    EXPECT_NE(workshop->MenuItem(caption), nullptr) << caption;
  }
  for (const char* hint : {"Select All", "Select by Window", "Delete Selected", "Optimize ToolPath", "Information",
                           "Zoom In", "Zoom Previous", "View Extents", "Entity Selection Mode",
                           "Help On Art Workshop", "Exit Art Workshop"}) {
    EXPECT_NE(workshop->Button(hint), nullptr) << hint;
  }
  // Properties wants exactly one selected entity.
  EXPECT_FALSE(workshop->MenuItem("Properties")->isEnabled());
}

TEST_F(ArtWorkshopTest, ToolButtonsRunTheirCommands) {
  WriteArtwork();
  OpenWorkshop();
  workshop->Button("Select All")->trigger();
  EXPECT_EQ(Doc().SelectedCount(), 1u);
  workshop->Button("Delete Selected")->trigger();
  EXPECT_EQ(Doc().Size(), 0u);
  workshop->Button("Select by Window")->trigger();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::SelectWindow);
  workshop->Button("Entity Selection Mode")->trigger();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
  workshop->Button("Zoom In")->trigger();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Zoom);
  Drag(-1, -1, 1, 1);
  EXPECT_NEAR(Doc().window.Xmax - Doc().window.Xmin, 2, 0.1);
  workshop->Button("Zoom Previous")->trigger();
  EXPECT_NEAR(Doc().window.Xmax - Doc().window.Xmin, 4.8, 0.1);  // the extents of the line with 10 %
}

TEST_F(ArtWorkshopTest, CommandsOfTheOtherArtworkToolsSayWhenTheyAreMissing) {
  OpenWorkshop();
  workshop->Button("Optimize ToolPath")->trigger();
  Command("Cross Hatch");
  Command("Deskew & Scale");
  Command("Linearize Arcs");
  std::vector<std::string> texts = ui.Texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "Optimize Tool Path is not available yet");
  EXPECT_EQ(texts[2], "Deskew & Scale is not available yet");
}

TEST_F(ArtWorkshopTest, ARightClickEndsATheToolOrOpensThePopUpMenu) {
  OpenWorkshop();
  Command("Line");
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Line);
  RightClick();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
  EXPECT_FALSE(workshop->Popup().isVisible());
  RightClick();
  EXPECT_TRUE(workshop->Popup().isVisible());
  QStringList captions;
  for (QAction* a : workshop->Popup().actions()) captions << a->text();
  EXPECT_EQ(captions, QStringList({"Default", "Extents", "Previous", "Refresh", "Zoom", "Zoom Out"}));
  workshop->Popup().close();
  // Its Zoom starts the zoom box; opening it again ends the box before it is drawn.
  workshop->Popup().actions()[4]->trigger();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Zoom);
  workshop->Popup().popup(QPoint(10, 10));
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
  workshop->Popup().close();
}

TEST_F(ArtWorkshopTest, TheEditMenuEndsAPickAndThePromptLineShowsWhatIsWanted) {
  OpenWorkshop();
  Command("Connect - Line");
  EXPECT_EQ(workshop->PromptText(), "Select Start Point");
  Click(0, 0);
  EXPECT_EQ(workshop->PromptText(), "Select End Point");
  auto* edit = qobject_cast<QMenu*>(workshop->MenuItem("Cut")->parent());
  ASSERT_NE(edit, nullptr);
  edit->popup(QPoint(0, 0));
  edit->close();
  EXPECT_EQ(workshop->Session().Tool(), WorkshopTool::Pick);
  EXPECT_EQ(workshop->PromptText(), "");
}

TEST_F(ArtWorkshopTest, TheStatusBarShowsTheCursorAndTheScrollBarsPan) {
  OpenWorkshop();
  Hover(1.5, -2.25);
  // "X" x ", Y" y, each with 4 decimals, as near as the pixel under the mouse is.
  QStringList xy = workshop->StatusPanel(2).split(", ");
  ASSERT_EQ(xy.size(), 2) << workshop->StatusPanel(2).toStdString();
  EXPECT_TRUE(xy[0].startsWith("X") && xy[1].startsWith("Y"));
  EXPECT_EQ(xy[0].section('.', 1).size(), 4);
  double pixel = (Doc().window.Xmax - Doc().window.Xmin) / Box().width();
  EXPECT_NEAR(xy[0].mid(1).toDouble(), 1.5, 2 * pixel);
  EXPECT_NEAR(xy[1].mid(1).toDouble(), -2.25, 2 * pixel);
  WorldWindow before = Doc().window;
  EXPECT_EQ(workshop->HorizontalBar().minimum(), -200);
  EXPECT_EQ(workshop->HorizontalBar().maximum(), 200);
  EXPECT_EQ(workshop->HorizontalBar().pageStep(), 5);
  workshop->HorizontalBar().setValue(10);
  QApplication::processEvents();
  double width = before.Xmax - before.Xmin;
  EXPECT_NEAR(Doc().window.Xmin, before.Xmin + width / 10, 1e-9);
  Command("Default");
  EXPECT_EQ(workshop->HorizontalBar().value(), 0);
  EXPECT_EQ(Doc().window.Xmin, -10);
}

TEST_F(ArtWorkshopTest, MoveAndScaleAskTheirAmountsAndNeedASelection) {
  WriteArtwork();
  OpenWorkshop();
  Command("Move");  // nothing selected: no window
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  Command("Select ALL");
  WhenModal<TCoordinateDlg>([](TCoordinateDlg& d) {
    EXPECT_EQ(d.Prompt(), "Amount to Translate");
    EXPECT_FALSE(d.Field(2).isVisible());  // no Z
    EXPECT_FALSE(d.Field(3).isVisible());  // nor the second column
    EXPECT_FALSE(d.RapidMode().isVisible());
    EXPECT_EQ(d.Field(0).text(), "0.000000000000000");
    TypeInto(d.Field(0), "1/2");
    TypeInto(d.Field(1), "1");
    PressOk(d);
  });
  Command("Move");
  EXPECT_DOUBLE_EQ(Doc().At(0).X(), -0.5);
  EXPECT_DOUBLE_EQ(Doc().At(0).Y(), 0);
  WhenModal<TCoordinateDlg>([](TCoordinateDlg& d) {
    EXPECT_EQ(d.Prompt(), "Base/Amount To Scale");
    EXPECT_EQ(d.Caption(2), "New Scale");
    EXPECT_EQ(d.Field(2).text(), "1.000000000000000");
    TypeInto(d.Field(2), "2");
    PressOk(d);
  });
  Command("Scale");
  EXPECT_DOUBLE_EQ(Doc().At(0).XE(), 7);
  // A bad expression keeps the window open; Cancel changes nothing.
  ui.answers = {Answer::Ok};
  WhenModal<TCoordinateDlg>([](TCoordinateDlg& d) {
    TypeInto(d.Field(0), "2+");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    d.reject();
  });
  Command("Move");
  EXPECT_DOUBLE_EQ(Doc().At(0).XE(), 7);
}

TEST_F(ArtWorkshopTest, TheAxisItemTurnsTheAxesOff) {
  OpenWorkshop();
  QAction* axis = workshop->MenuItem("Axis");
  EXPECT_TRUE(axis->isChecked());
  QImage with = Box().Image().copy();
  axis->trigger();
  EXPECT_FALSE(Doc().showAxes);
  EXPECT_NE(Box().Image(), with);
}

}  // namespace
}  // namespace quill
