#include <gtest/gtest.h>

#include <QDialog>
#include <QLabel>
#include <QWidget>

#include "job/job.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"
#include "stage_windows_fixture.h"
#include "stages/gen_text_form.h"
#include "stages/gen_toolpath_dlg.h"
#include "stages/nc_post_form.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(StageWindows, RegisteredByClassNameWithTheirDisplaysRouted) {
  StageJob s;
  QtUi qtUi;
  Job job(qtUi);
  job.paths = s.job.paths;
  WindowDirectory windows{qtUi};
  DesktopContext context{job, qtUi, windows};
  QWidget main;
  RegisterStageWindows(context, &main);
  for (const char* name : {"TGenForm", "TGenTpathDlg", "TNCPOSTForm", "TPostSetForm", "TMacroInsert", "TNCEditor",
                           "TRESEQDlg", "TSolidModel"}) {
    EXPECT_TRUE(windows.Has(name)) << name;
  }
  auto* text = main.findChild<TGenForm*>("TGenForm");
  ASSERT_NE(text, nullptr);
  qtUi.Status(StatusChannel::TextPathConsole, "Mirroring Text ...", ConsoleColor::Blue, true);
  EXPECT_EQ(text->ConsolePlainText(), "Mirroring Text ...\n");
  qtUi.ClearStatus(StatusChannel::TextPathConsole);
  EXPECT_TRUE(text->ConsolePlainText().isEmpty());
  qtUi.Counter(StatusChannel::ToolPathCounter, 12);
  EXPECT_EQ(main.findChild<TGenTpathDlg*>("TGenTpathDlg")->CounterLabel()->text(), "12");
  qtUi.Counter(StatusChannel::NcCounter, 7);
  EXPECT_EQ(main.findChild<TNCPOSTForm*>("TNCPOSTForm")->CounterLabel()->text(), "7");
}

// A command whose window this build lacks says so through the Ui like every other message, so the
// unattended run and the tests hear it too, and the box carries the program's title.
TEST(WindowDirectory, AMissingWindowIsReportedThroughTheUi) {
  TestUi ui;
  WindowDirectory windows{ui};
  EXPECT_EQ(windows.Open("TArtWorkshop", nullptr, "Art Workshop"), QDialog::Rejected);
  EXPECT_EQ(windows.Open("TScanForm", nullptr), QDialog::Rejected);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Art Workshop is not available yet");
  EXPECT_EQ(ui.messages[1].text, "TScanForm is not available yet");
  EXPECT_TRUE(ui.messages[0].caption.empty());
}

}  // namespace
}  // namespace quill
