#include "stage_windows_registry.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

#include "gen_text_form.h"
#include "gen_toolpath_dlg.h"
#include "job/job.h"
#include "nc_post_form.h"
#include "qt_ui.h"
#include "stage_windows_fixture.h"
#include "window_directory.h"

namespace quill {
namespace {

TEST(StageWindows, RegisteredByClassNameWithTheirDisplaysRouted) {
  StageJob s;
  QtUi qtUi;
  Job job(qtUi);
  job.paths = s.job.paths;
  WindowDirectory windows;
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

}  // namespace
}  // namespace quill
