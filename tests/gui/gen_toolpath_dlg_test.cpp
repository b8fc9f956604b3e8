#include "stages/gen_toolpath_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "records/artwork_record.h"
#include "shell/expr_field.h"
#include "stage_windows_fixture.h"
#include "stages/depth_calculator.h"

namespace quill {
namespace {

// Chooses a tool shape as the operator does, with the keyboard on the drop-down.
void ChooseShape(TGenTpathDlg& dlg, int shape) {
  QComboBox* box = dlg.ShapeBox();
  box->setFocus();
  while (box->currentIndex() < shape) QTest::keyClick(box, Qt::Key_Down);
  while (box->currentIndex() > shape) QTest::keyClick(box, Qt::Key_Up);
}

TEST(GenTpathDlg, ToolShapesRelabelCorrectAndEnable) {
  StageJob s;
  TGenTpathDlg dlg(s.job);
  dlg.show();
  EXPECT_EQ(dlg.AngleLabel()->text(), "Tip Angle");
  ChooseShape(dlg, ShapeFlat);
  EXPECT_FALSE(dlg.Field("TLCR")->isEnabled());
  EXPECT_FALSE(dlg.CalculatorButton()->isEnabled());

  s.job.settings.TOOLDIA = "0.125";
  s.job.settings.TLCR = "60.0000";
  ChooseShape(dlg, ShapeBall);
  EXPECT_EQ(s.job.settings.TSHAPE, ShapeBall);
  EXPECT_EQ(dlg.AngleLabel()->text(), "Corner Rad.");
  EXPECT_EQ(dlg.Field("TLCR")->text(), "0.062500000000000");
  EXPECT_TRUE(dlg.CalculatorButton()->isEnabled());

  QTest::keyClicks(dlg.Field("TLCR"), "5");  // 0.0625000000000005: typed, not corrected until chosen again
  ChooseShape(dlg, ShapeCone);
  EXPECT_EQ(dlg.AngleLabel()->text(), "Tip Angle");
  EXPECT_EQ(s.job.settings.TLCR, "60.0000");  // not above the tool diameter
}

TEST(GenTpathDlg, ProjectionAndMultipleDepthsEnableTheirFields) {
  StageJob s;
  TGenTpathDlg dlg(s.job);
  dlg.show();
  EXPECT_FALSE(dlg.Field("ZPERPASS")->isEnabled());
  QTest::mouseClick(dlg.MultipleBox(), Qt::LeftButton);
  EXPECT_TRUE(dlg.Field("ZPERPASS")->isEnabled());
  EXPECT_TRUE(dlg.Field("ZTOP")->isEnabled());
  EXPECT_FALSE(dlg.ProjectionsButton()->isEnabled());

  QTest::mouseClick(dlg.ProjectButton(), Qt::LeftButton);
  EXPECT_FALSE(dlg.MultipleBox()->isChecked());
  EXPECT_FALSE(dlg.MultipleBox()->isEnabled());
  EXPECT_FALSE(dlg.Field("ZDEPTH")->isEnabled());
  EXPECT_FALSE(dlg.CalculatorButton()->isEnabled());
  EXPECT_FALSE(dlg.Field("ZPERPASS")->isEnabled());
  EXPECT_TRUE(dlg.ProjectionsButton()->isEnabled());
  EXPECT_EQ(dlg.Options().zAxis, ZAxisMode::ProjectOnSurface);
}

TEST(GenTpathDlg, ShowingChoosesTheSourceThatExists) {
  StageJob s;
  s.job.flags.ArtworkPresent = true;
  TGenTpathDlg dlg(s.job);
  dlg.CarveBox()->setChecked(true);
  dlg.show();
  EXPECT_EQ(dlg.SourceBox()->currentText(), "Artwork Only");
  EXPECT_FALSE(dlg.CarveBox()->isEnabled());
  EXPECT_FALSE(dlg.CarveBox()->isChecked());
  EXPECT_EQ(dlg.CounterLabel()->text(), "0");
  dlg.hide();
  s.job.flags.TextPathGenerated = true;
  dlg.show();
  EXPECT_EQ(dlg.SourceBox()->currentText(), "ArtWork, Then Text");
  EXPECT_TRUE(dlg.CarveBox()->isEnabled());
}

TEST(GenTpathDlg, OkWritesTheToolPathOrStaysOpenWhenRefused) {
  StageJob s;
  TGenTpathDlg dlg(s.job);
  dlg.show();
  dlg.SourceBox()->setCurrentText("Text Only");
  dlg.accept();
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Cannot Process Text, Text path Not Generated"});
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_FALSE(s.job.flags.ToolPathCreated);

  ArtWriter art(s.job.paths.ArtFileName, false);
  art.Line(0, 0, 1, 0);
  art.Close();
  s.job.flags.ArtworkPresent = true;
  dlg.SourceBox()->setCurrentText("Artwork Only");
  dlg.accept();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_TRUE(s.job.flags.ToolPathCreated);
  std::vector<std::string> cl = test::ReadLines(s.job.paths.CLFileName);
  EXPECT_EQ(cl.back(), "-999");
}

TEST(GenTpathDlg, SerialModeOnlyCollectsTheSettings) {
  StageJob s;
  s.job.settings.TLCR = "185";
  TGenTpathDlg dlg(s.job);
  dlg.SetSerialMode(true);
  dlg.show();
  dlg.accept();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(s.job.settings.TLCR, "60.0");  // no cone has a tip angle of 180 or more
  EXPECT_FALSE(test::FileExists(s.job.paths.CLFileName));
  EXPECT_TRUE(s.ui.messages.empty());
}

TEST(GenTpathDlg, DepthCalculatorHandsItsResultToTheCuttingDepth) {
  StageJob s;
  TGenTpathDlg dlg(s.job);
  dlg.show();
  WhenShown("TZDepthCalc", [](QDialog* d) {
    auto* calc = static_cast<TZDepthCalc*>(d);
    EXPECT_EQ(calc->ToolLabel()->text(), "Cone Shaped Tool");
    QTest::mouseClick(calc->OkButton(), Qt::LeftButton);
  });
  QTest::mouseClick(dlg.CalculatorButton(), Qt::LeftButton);
  EXPECT_EQ(s.job.settings.ZDEPTH, "-0.0541");
}

TEST(GenTpathDlg, TheBallCalculatorRefusesAWidthAboveTheTool) {
  StageJob s;
  s.job.settings.TSHAPE = ShapeBall;
  s.job.settings.TOOLDIA = "0.05";
  TGenTpathDlg dlg(s.job);
  dlg.show();
  bool stayedOpen = false;
  WhenShown("TZDepthCalc", [&stayedOpen](QDialog* d) {
    auto* calc = static_cast<TZDepthCalc*>(d);
    EXPECT_EQ(calc->ToolLabel()->text(), "Ball End Mill");
    QTest::mouseClick(calc->OkButton(), Qt::LeftButton);  // 0.0625 is wider than the ball
    stayedOpen = calc->isVisible();
    calc->reject();
  });
  QTest::mouseClick(dlg.CalculatorButton(), Qt::LeftButton);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(s.job.settings.ZDEPTH, "-0.0500");
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Desired Cut Width Cannot be Larger than the Tool Diameter"});
}

}  // namespace
}  // namespace quill
