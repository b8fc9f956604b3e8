// Helpers of the main window's tests: a started job on a scripted Ui in a temporary home, the main
// window shown at a fixed size, scripted file choosers, and work files written by the test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <deque>
#include <memory>
#include <string>

#include "app/startup.h"
#include "job/job.h"
#include "picture/picture_area.h"
#include "picture/picture_area_frame.h"
#include "records/artwork_record.h"
#include "records/cl_record.h"
#include "records/textpath_record.h"
#include "shell/main_window.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

// File choosers that hand out the paths given and keep what they were asked.
class ScriptedChoosers : public FileChoosers {
 public:
  std::deque<std::string> answers;
  std::vector<std::string> asked;  // the filter, then " @ " and the folder or proposed name

  std::string OpenFile(QWidget*, const std::string& folder, const std::string& filter, const std::string&) override {
    return Next(filter + " @ " + folder);
  }
  std::string SaveFile(QWidget*, const std::string& proposed, const std::string& filter, const std::string&,
                       bool) override {
    return Next(filter + " @ " + proposed);
  }

 private:
  std::string Next(const std::string& question) {
    asked.push_back(question);
    if (answers.empty()) return {};
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
};

// A scripted Ui whose Pump lets the windows breathe, as the desktop's does: drawings that wait for the
// simulation, and an Esc during a print, reach their windows.
class PumpingTestUi : public TestUi {
 public:
  void Pump() override {
    TestUi::Pump();
    QApplication::processEvents();
  }
};

class MainWindowTest : public testing::Test {
 protected:
  MainWindowTest() {
    InitGlobals(job, home.path() + "/", test::SourceDir() + "/data/");
    auto scripted = std::make_unique<ScriptedChoosers>();
    choosers = scripted.get();
    main = std::make_unique<TMainform>(context);
    main->SetChoosers(std::move(scripted));
    main->resize(900, 700);
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    QApplication::processEvents();
  }

  // Shows a window and waits until it is the active one, so keys and focus go where the operator's would.
  static void Activate(QWidget& w) {
    w.show();
    w.raise();
    w.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
  }
  PictureArea& Picture() { return main->Picture(); }
  void Trigger(const char* caption) {
    QAction* a = main->MenuItem(caption);
    ASSERT_NE(a, nullptr) << caption;
    a->trigger();
  }

  // A small job: two strokes of text path, a line of artwork below them and a tool path above them
  // (rapid, three feeds, rapid), each where the others do not cover it.
  void WriteTextPath() {
    TextPathWriter out(job.paths.TextPathFileName);
    out.Write(TpMove, 0, 0, 0);
    out.Write(TpLine, 0, 2, 0);
    out.Write(TpLine, 0, 2, 1);
    out.Close();
    job.flags.TextPathGenerated = true;
  }
  void WriteArtwork() {
    test::WriteFile(job.paths.ArtFileName, "1 -1.0 -1.0 3.0 -1.0 0.0\r\n");
    job.flags.ArtworkPresent = true;
  }
  void WriteToolPath() {
    test::WriteFile(job.paths.CLFileName,
                    "5 0.0\r\n0 0.0 2.0 0.1 0.0\r\n1 0.0 2.0 -0.01 5.0\r\n1 2.0 2.0 -0.01 10.0\r\n"
                    "1 2.0 3.0 -0.01 10.0\r\n0 2.0 3.0 0.1 0.0\r\n-999\r\n");
    job.flags.ToolPathCreated = true;
  }

  test::TempDir home;
  PumpingTestUi ui;
  Job job{ui};
  QtUi qtUi;
  WindowDirectory windows{ui};
  DesktopContext context{job, qtUi, windows};
  ScriptedChoosers* choosers = nullptr;
  std::unique_ptr<TMainform> main;
};

}  // namespace quill
