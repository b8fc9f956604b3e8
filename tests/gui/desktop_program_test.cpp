// The desktop program started as the operator starts it, with names on its command line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>

#include "shell/desktop_program.h"
#include "shell/main_window.h"
#include "test_support.h"

namespace quill {
namespace {

// Runs the program with args; look runs once its main window shows, then the window is closed.
int RunProgramAndLook(const std::vector<std::string>& args, const std::function<void(TMainform&)>& look) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, [poll, look] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* main = qobject_cast<TMainform*>(w);
      if (!main || !main->isVisible()) continue;
      poll->stop();
      poll->deleteLater();
      look(*main);
      main->close();
      return;
    }
  });
  poll->start(20);
  return RunDesktopProgram(*qApp, args);
}

TEST(DesktopProgram, AProjectOrDrawingNamedThatIsNotThereIsSaidInTheStatusBar) {
  test::TempDir home;
  std::string project = home.File("MISSING.QLM"), drawing = home.File("gone.DXF");
  QString said;
  int status = RunProgramAndLook({"--home", home.path(), drawing, project},
                                 [&](TMainform& main) { said = main.statusBar()->currentMessage(); });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(said.toStdString(), "File not found, skipped [" + project + "]");
}

}  // namespace
}  // namespace quill
