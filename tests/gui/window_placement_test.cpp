// Where the program's windows open: over the picture, clear of the main window's menus and button bar,
// and afterwards where the operator put them.
#include <QMenuBar>
#include <QToolBar>

#include "main_window_fixture.h"
#include "stage_windows_fixture.h"

namespace quill {
namespace {

class WindowPlacementTest : public MainWindowTest {
 protected:
  WindowPlacementTest() {
    main->move(40, 30);
    RegisterTextWindows(context, main.get());
    RegisterStageWindows(context, main.get());
    QApplication::processEvents();
  }
  static QRect Global(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }
  // The window lies over the picture, covers neither the menus nor the buttons, and its middle is
  // near the picture's.
  void ExpectOverThePicture(QWidget* window, const char* what) {
    QRect at = window->frameGeometry();
    EXPECT_FALSE(at.intersects(Global(main->menuBar()))) << what << " covers the menus";
    EXPECT_FALSE(at.intersects(Global(main->findChild<QToolBar*>("ButtonBar")))) << what << " covers the buttons";
    QPoint off = at.center() - Global(&Picture()).center();
    EXPECT_LT(std::abs(off.x()), 40) << what;
    EXPECT_LT(off.manhattanLength(), at.height() / 2 + 40) << what;
  }
  QWidget* Window(const char* name) { return main->findChild<QWidget*>(name); }
};

TEST_F(WindowPlacementTest, WindowsOpenOverThePictureAndStayWhereTheyWerePut) {
  Trigger("Text");
  ExpectOverThePicture(Window("TTedForm"), "the text editor");
  Trigger("Settings");
  ExpectOverThePicture(Window("TSettingsDlg"), "the settings");
  WhenShown("TGenTpathDlg", [this](QDialog* d) {
    ExpectOverThePicture(d, "the tool path dialog");
    d->reject();
  });
  Trigger("Create Tool Path");

  QWidget* editor = Window("TTedForm");
  editor->move(editor->pos() + QPoint(37, 23));
  QPoint put = editor->pos();
  editor->hide();
  Trigger("Text");
  EXPECT_EQ(editor->pos(), put);
}

}  // namespace
}  // namespace quill
