// Helpers of the tool windows' tests: artwork written as records, the workshop opened on it with
// everything selected, a check that a command opens no window, and the help page a window's Help
// button shows.
#pragma once

#include <QTextBrowser>
#include <string>

#include "shell/help_window.h"
#include "workshop_window_fixture.h"

namespace quill {

class WorkshopToolsTest : public WorkshopWindowTest {
 protected:
  // The artwork file from record lines ("1 0 0 1 0 0" ...).
  void WriteArt(std::initializer_list<const char*> records) {
    std::string text;
    for (const char* r : records) text += std::string(r) + "\r\n";
    test::WriteFile(job.paths.ArtFileName, text);
    job.flags.ArtworkPresent = true;
  }
  // The artwork written, then the workshop with all of it selected.
  void OpenOn(std::initializer_list<const char*> records) {
    WriteArt(records);
    OpenWorkshop();
    Command("Select ALL");
  }

  // Edit > Undo (its caption names the change).
  void Undo() {
    QAction* undo = workshop->findChild<QAction*>("Undo");
    ASSERT_NE(undo, nullptr);
    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
  }

  // True when act opened a window of this class (which is then closed with Cancel).
  template <class Dialog>
  static bool ShowsWindow(const std::function<void()>& act) {
    bool shown = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&shown] {
      if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
        shown = true;
        d->reject();
      }
    });
    poll.start();
    act();
    return shown;
  }

  // The page the help window shows after the window's Help button, "" when none or not installed.
  static std::string HelpPageOf(QDialog& d) {
    for (QPushButton* b : d.findChildren<QPushButton*>()) {
      if (b->text() == "&Help") b->click();
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* help = qobject_cast<HelpWindow*>(w);
      if (!help || !help->isVisible()) continue;
      std::string page = help->CurrentPage();
      bool installed = !help->findChild<QTextBrowser*>()->toPlainText().contains("not installed");
      help->close();
      return installed ? page : "";
    }
    return "";
  }

  // The line of the drawing running from (x1, y1) to (x2, y2), -1 when there is none.
  long LineFrom(double x1, double y1, double x2, double y2, double within = 1e-9) {
    for (size_t i = 0; i < Doc().Size(); ++i) {
      const tgEntity& e = Doc().At(i);
      if (e.IsLine() && std::fabs(e.X() - x1) < within && std::fabs(e.Y() - y1) < within &&
          std::fabs(e.XE() - x2) < within && std::fabs(e.YE() - y2) < within) {
        return static_cast<long>(i);
      }
    }
    return -1;
  }
};

}  // namespace quill
