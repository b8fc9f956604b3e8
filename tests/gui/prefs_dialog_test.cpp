#include "text/prefs_dialog.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "dialogs_test_support.h"

namespace quill {
namespace {

class PrefsDialogTest : public DialogTest {
 protected:
  PrefsDialogTest() {
    job.paths.TapeDir = "/tmp/nc/";
    job.prefs.ShowToolPath = false;
    job.prefs.ProjectionTolerance = 0.025;
    dialog = std::make_unique<TPrefsDlg>(job);
  }

  // Opens the dialog modally, lets act() work on it, then presses the named button.
  void Run(const std::function<void()>& act, const char* button) {
    QTimer::singleShot(0, dialog.get(), [&] {
      act();
      Find<QPushButton>(*dialog, button)->click();
    });
    dialog->exec();
  }
  QCheckBox* Box(const char* name) { return Find<QCheckBox>(*dialog, name); }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(*dialog, name); }

  std::unique_ptr<TPrefsDlg> dialog;
};

TEST_F(PrefsDialogTest, OkCopiesEveryFieldIntoThePreferences) {
  Run(
      [&] {
        EXPECT_EQ(dialog->windowTitle(), "QUILLMARK Preferences");
        EXPECT_EQ(Field("TAPEDIR")->text(), "/tmp/nc/");
        EXPECT_EQ(Field("PROJTOL")->text(), "0.02500");
        Field("TAPEDIR")->setText("/srv/tapes/");
        Field("DEFEXT")->setText("NCX");
        Field("PROJTOL")->setText("0.01");
        Box("Black Background")->click();
        Box("Allow Color Printing")->click();
        Find<QToolButton>(*dialog, "grid12")->click();  // blue
        Find<QPushButton>(*dialog, "Tool Path Color")->click();
      },
      "OK");
  EXPECT_EQ(job.paths.TapeDir, "/srv/tapes/");
  EXPECT_EQ(job.prefs.DefaultExt, "NCX");
  EXPECT_DOUBLE_EQ(job.prefs.ProjectionTolerance, 0.01);
  EXPECT_TRUE(job.prefs.BlackBackground);
  EXPECT_TRUE(job.prefs.PrintColor);
  EXPECT_EQ(job.prefs.ToolPathColor, clBlue);
  EXPECT_EQ(job.prefs.ArtColor, clAqua);
  EXPECT_EQ(Field("DEFEXT")->maxLength(), 3);
}

TEST_F(PrefsDialogTest, ToolWidthFollowsDisplayToolPath) {
  EXPECT_FALSE(Box("Show Tool Width")->isEnabled());
  Box("Display Tool Path")->click();
  EXPECT_TRUE(Box("Show Tool Width")->isEnabled());
}

TEST_F(PrefsDialogTest, LineWidthArrowsAndBadText) {
  auto* up = Find<QToolButton>(*dialog, "up");
  auto* down = Find<QToolButton>(*dialog, "down");
  down->click();
  EXPECT_EQ(Field("PRNLNWIDTH")->text(), "1");  // never below one
  up->click();
  up->click();
  EXPECT_EQ(Field("PRNLNWIDTH")->text(), "3");
  Field("PRNLNWIDTH")->setText("abc");
  up->click();
  EXPECT_EQ(Field("PRNLNWIDTH")->text(), "2");
  Run([&] { Field("PRNLNWIDTH")->setText("abc"); }, "OK");
  EXPECT_EQ(job.prefs.PrintLineWidth, 1);
}

TEST_F(PrefsDialogTest, CancelKeepsTheTypedFieldsForTheNextOpening) {
  Run(
      [&] {
        Field("DEFEXT")->setText("NC");
        Field("PROJTOL")->setText("9");
      },
      "Cancel");
  EXPECT_EQ(job.prefs.DefaultExt, "TAP");
  EXPECT_DOUBLE_EQ(job.prefs.ProjectionTolerance, 0.025);
  job.prefs.ProjectionTolerance = 0.125;
  Run(
      [&] {
        EXPECT_EQ(Field("DEFEXT")->text(), "NC");
        EXPECT_EQ(Field("PROJTOL")->text(), "0.12500");  // the tolerance is shown afresh
      },
      "Cancel");
}

}  // namespace
}  // namespace quill
