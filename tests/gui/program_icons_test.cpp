// The program's icons: every SVG in data/icons draws, the button bar's sixteen buttons and the windows'
// buttons show theirs, sharp at 1x and 2x, with the hints the operator knows.
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QToolBar>

#include "main_window_fixture.h"
#include "picture/simulate.h"
#include "shell/program_icons.h"

namespace quill {
namespace {

// Pixels of the drawing that are not see-through.
int Inked(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
  }
  return n;
}

// At 2x the icon is drawn from its outlines at twice the pixels, not an enlarged 1x picture: it has
// its own pixels and about four times the ink of the 1x one.
void ExpectSharpAtBothDensities(const QIcon& icon, const QString& what) {
  ASSERT_FALSE(icon.isNull()) << what.toStdString();
  QImage once = icon.pixmap(QSize(ButtonIconSize, ButtonIconSize), 1.0).toImage();
  QImage twice = icon.pixmap(QSize(ButtonIconSize, ButtonIconSize), 2.0).toImage();
  EXPECT_EQ(once.size(), QSize(ButtonIconSize, ButtonIconSize)) << what.toStdString();
  EXPECT_EQ(twice.size(), QSize(2 * ButtonIconSize, 2 * ButtonIconSize)) << what.toStdString();
  EXPECT_GT(Inked(once), 20) << what.toStdString();
  EXPECT_NEAR(Inked(twice), 4.0 * Inked(once), 1.5 * Inked(once)) << what.toStdString();
}

TEST(ProgramIcons, EveryDrawingOfTheSetIsInTheProgram) {
  QDir folder(QString::fromStdString(test::SourceDir() + "/data/icons"));
  QStringList files = folder.entryList({"*.svg"});
  ASSERT_GE(files.size(), 29);
  for (const QString& file : files) {
    EXPECT_TRUE(QSvgRenderer(folder.filePath(file)).isValid()) << file.toStdString();
    ExpectSharpAtBothDensities(ProgramIcon(QFileInfo(file).baseName()), file);
  }
  EXPECT_TRUE(ProgramIcon("no-such-icon").isNull());
}

TEST_F(MainWindowTest, TheSixteenButtonsShowIconsWithTheirHints) {
  auto* bar = main->findChild<QToolBar*>("ButtonBar");
  QStringList hints;
  for (QAction* a : bar->actions()) {
    hints << a->toolTip();
    ExpectSharpAtBothDensities(a->icon(), a->toolTip());
  }
  EXPECT_EQ(hints, QStringList({"New Project File", "Open Project File", "Save Project File", "Print Current Picture",
                                "Copy Picture to Clipboard", "Quillmark Settings", "Edit Text To Engrave",
                                "Generate Engraving", "Generate NC-Code", "Art Workshop", "Scan / Trace / Convert",
                                "Zoom In", "Previous View", "View Extents", "Show Help", "Exit From QUILLMARK"}));
  EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
  EXPECT_FALSE(main->MenuItem("Generate")->icon().isNull());  // the menu item shows the button's icon
  SimulateForm sim(context, Picture());
  for (const char* hint : {"Rewind", "Play", "Pause", "Next Rapid", "Step [Space]", "Exit", "Help"}) {
    ExpectSharpAtBothDensities(sim.Button(hint).icon(), hint);
  }
}

}  // namespace
}  // namespace quill
