// A job in a fresh home for the stage windows' tests, with a machine file of its own.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "job/job.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

struct StageJob {
  StageJob() {
    BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/data/");
    job.paths.TapeDir = home.path() + "/";
    job.paths.BundledPostsIni = home.File("BUNDLED.INI");
    job.paths.PostsIniFile = home.File("config/QPOSTS.INI");
  }
  // The machine file the program is installed with.
  void Posts(const std::string& text) const { test::WriteFile(job.paths.BundledPostsIni, text); }

  test::TempDir home;
  TestUi ui;
  Job job{ui};
};

// Runs action on the modal dialog of that class once it is open (the dialog must be shown next).
inline void WhenShown(const char* className, std::function<void(QDialog*)> action) {
  QTimer::singleShot(0, [className, action] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* d = qobject_cast<QDialog*>(w);
      if (d && d->isVisible() && d->objectName() == className) return action(d);
    }
  });
}

}  // namespace quill
