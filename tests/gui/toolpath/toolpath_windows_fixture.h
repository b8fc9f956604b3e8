// The tool path dialog with the windows of its sources, made and registered as the program makes
// them, over a job in a fresh home; and what the tests ask of the job's files.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>
#include <string>
#include <vector>

#include "shell/qt_ui.h"
#include "shell/window_directory.h"
#include "stage_windows_fixture.h"
#include "stages/gen_toolpath_dlg.h"
#include "textpath/generate_text_path.h"

namespace quill {

class ToolPathWindowsTest : public testing::Test {
 protected:
  ToolPathWindowsTest() { RegisterStageWindows(context, &main); }

  template <class Window>
  Window* Find(const char* className) {
    auto* w = main.findChild<Window*>(className);
    EXPECT_NE(w, nullptr) << className;
    return w;
  }
  TGenTpathDlg* ToolPath() { return Find<TGenTpathDlg>("TGenTpathDlg"); }

  // The text laid out in Liberation Sans as lines, the text path a TrueType job makes for carving.
  void LayOutTrueType(const std::string& text, const std::string& height) {
    s.job.settings.BFONTTYPE = 1;
    s.job.settings.FONTNAME = "Liberation Sans";
    s.job.settings.OUTARCS = 0;
    s.job.settings.TEXTHIGH = height;
    s.job.text = {text};
    ASSERT_EQ(GenerateTextPath(s.job, false), TextPathOutcome::Generated);
    s.job.flags.TextPathGenerated = true;
  }

  // Runs the tool path dialog's OK with the source chosen as the operator chooses it.
  void RunToolPath(const char* source) {
    TGenTpathDlg* dlg = ToolPath();
    dlg->show();
    dlg->SourceBox()->setCurrentText(source);
    dlg->accept();
  }

  std::vector<std::string> Cl() const { return test::ReadLines(s.job.paths.CLFileName); }

  StageJob s;
  QtUi qtUi;
  WindowDirectory windows{s.ui};
  DesktopContext context{s.job, qtUi, windows};
  QWidget main;
};

}  // namespace quill
