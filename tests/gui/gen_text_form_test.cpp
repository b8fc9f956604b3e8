#include "stages/gen_text_form.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "fonts/font_compiler.h"
#include "stage_windows_fixture.h"

namespace quill {
namespace {

class GenFormTest : public testing::Test {
 protected:
  void SetUp() override {
    s.job.paths.EngraveFontFile = "SIMPLEX.QXF";
    s.job.settings.BFONTTYPE = 0;
    CompileFont(s.ui, test::SourceDir() + "/data/fonts/SIMPLEX.QXS", s.home.File("SIMPLEX.QXF"));
  }
  StageJob s;
};

TEST_F(GenFormTest, GenerateMakesTheTextPathAndClosesWithOk) {
  s.job.text = {"AB"};
  TGenForm form(s.job);
  form.show();
  QTest::mouseClick(form.GenerateButton(), Qt::LeftButton);
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(s.job.flags.TextPathGenerated);
  EXPECT_TRUE(test::FileExists(s.job.paths.TextPathFileName));
  EXPECT_TRUE(form.CancelButton()->isEnabled());
  EXPECT_TRUE(s.ui.messages.empty()) << testing::PrintToString(s.ui.Texts());
}

TEST_F(GenFormTest, AFailedRunStillClosesWithOkAndItsMessage) {
  TGenForm form(s.job);
  form.show();
  QTest::mouseClick(form.GenerateButton(), Qt::LeftButton);
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"No text specified"});
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_TRUE(s.job.flags.TextPathGenerated);
}

TEST_F(GenFormTest, CancelEscAndTheFrameCloseAsThePartSays) {
  TGenForm form(s.job);
  s.job.flags.TextPathGenerated = true;
  form.show();
  QTest::keyClick(&form, Qt::Key_Escape);
  EXPECT_EQ(form.result(), QDialog::Rejected);
  EXPECT_FALSE(s.job.flags.TextPathGenerated);

  // The frame's close gives OK only with a text path.
  form.show();
  form.close();
  EXPECT_EQ(form.result(), QDialog::Rejected);
  s.job.flags.TextPathGenerated = true;
  form.show();
  form.close();
  EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(GenFormTest, ConsoleShowsTheCharacterInGreenAndTheStepsOnLines) {
  TGenForm form(s.job);
  form.ConsoleText("A", ConsoleColor::Green, false);
  form.ConsoleText("Scaling and Spacing Text ...", ConsoleColor::Blue, true);
  EXPECT_EQ(form.ConsolePlainText(), "AScaling and Spacing Text ...\n");
  QTextCursor c(form.findChild<QTextEdit*>()->document());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 128, 0));
  form.ClearConsole();
  EXPECT_TRUE(form.ConsolePlainText().isEmpty());
  form.ConvertBox()->setChecked(true);
  EXPECT_TRUE(form.ConvertToArtworkChecked());
}

}  // namespace
}  // namespace quill
