#include "job/settings_checks.h"

#include <gtest/gtest.h>

#include "job/job.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class SettingsChecks : public testing::Test {
 protected:
  // The message a field's text gives on leaving it ("" when none), checking the focus goes back to it.
  std::string Leave(SettingsField field, std::string EngravingSettings::*text, const std::string& value) {
    job.settings.*text = value;
    ui.messages.clear();
    std::optional<SettingsField> focus = CheckLeavingField(job, field);
    if (!focus) return ui.messages.empty() ? "" : "message without focus";
    EXPECT_EQ(*focus, field);
    EXPECT_EQ(ui.messages.size(), 1u);
    return ui.messages.back().text;
  }
  TestUi ui;
  Job job{ui};
};

TEST_F(SettingsChecks, PositiveFieldsRefuseZeroNegativeAndText) {
  using S = EngravingSettings;
  EXPECT_EQ(Leave(SettingsField::TextHeight, &S::TEXTHIGH, "1.00000"), "");
  EXPECT_EQ(Leave(SettingsField::TextHeight, &S::TEXTHIGH, "0"), "Text Height cannot be Zero");
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Error);
  EXPECT_EQ(Leave(SettingsField::TextWidthFactor, &S::TWFACT, "-5"), "Text Width Factor cannot be Zero");
  EXPECT_EQ(Leave(SettingsField::TextWidth, &S::TEXTWIDE, "2*0.5"), "Text Width cannot be Zero");
  EXPECT_EQ(job.settings.TEXTWIDE, "2*0.5");  // the field keeps what was typed
}

TEST_F(SettingsChecks, TiltAngleWithinNinetyEitherWay) {
  using S = EngravingSettings;
  EXPECT_EQ(Leave(SettingsField::TiltAngle, &S::TILTANG, "-90"), "");
  EXPECT_EQ(Leave(SettingsField::TiltAngle, &S::TILTANG, "90.00000"), "");
  EXPECT_EQ(Leave(SettingsField::TiltAngle, &S::TILTANG, "90.5"), "Tilt Angle Must be Between 0.0 and +/- 90.0");
  EXPECT_EQ(Leave(SettingsField::TiltAngle, &S::TILTANG, "x"), "Tilt Angle Must be Between 0.0 and +/- 90.0");
}

TEST_F(SettingsChecks, NumberOfPointsFromThreeTo125) {
  using S = EngravingSettings;
  const std::string msg = "Number of Points Must be Between 3 and 125";
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "3"), "");
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "125"), "");
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "2"), msg);
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Information);
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "126"), msg);
  // Text that is no whole number stands for the row limit: 5 rows with 4 points, 126 with 125.
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "abc"), "");
  job.settings.CurvePoints = 125;
  EXPECT_EQ(Leave(SettingsField::NumberOfPoints, &S::ACNPTS, "abc"), msg);
}

TEST_F(SettingsChecks, PointCountIsTakenOnlyWithinTheTable) {
  EngravingSettings& s = job.settings;
  s.ACNPTS = "7";
  EXPECT_TRUE(ApplyPointCount(s));
  EXPECT_EQ(s.CurvePoints, 7);
  for (const char* refused : {"126", "2", "abc", "5.5", ""}) {
    s.ACNPTS = refused;
    EXPECT_FALSE(ApplyPointCount(s)) << refused;
    EXPECT_EQ(s.CurvePoints, 7) << refused;
  }
}

TEST_F(SettingsChecks, VariableSpacingFillsTheTableFromTheText) {
  job.text = {"AB", "C"};
  job.settings.CHRSPACE = "0.2";
  job.settings.TEXTHIGH = "bad";
  ui.answers = {Answer::Yes};
  EXPECT_EQ(SwitchToVariableSpacing(job), VariableSpacing::Filled);
  EXPECT_EQ(ui.messages.back().text, "Update variable Character Spacing Table");
  EXPECT_EQ(job.settings.BCSPACE, 0);
  EXPECT_EQ(job.settings.CharRows, 5);
  const auto& t = job.settings.CharTable;
  EXPECT_EQ(std::string({t[0].ch, t[1].ch, t[2].ch, t[3].ch, t[4].ch}), "AB\r\nC");
  EXPECT_FLOAT_EQ(t[4].spacing, 0.2f);
  EXPECT_FLOAT_EQ(t[4].height, 1.0f);  // a height that is no number counts as 1.0
  EXPECT_EQ(t[5].ch, '\0');
  EXPECT_EQ(t[6].ch, 'A');
}

TEST_F(SettingsChecks, VariableSpacingNoKeepsTheTableAndLongTextIsRefused) {
  job.text = {"XYZ"};
  ui.answers = {Answer::No};
  EXPECT_EQ(SwitchToVariableSpacing(job), VariableSpacing::Kept);
  EXPECT_EQ(job.settings.CharTable[0].ch, 'A');
  EXPECT_EQ(job.settings.BCSPACE, 0);

  job.text = {std::string(2046, 'x'), ""};  // 2048 characters with the line break: still allowed
  ui.answers = {Answer::Yes};
  EXPECT_EQ(SwitchToVariableSpacing(job), VariableSpacing::Filled);
  EXPECT_EQ(job.settings.CharTable[2047].ch, '\n');

  job.text.back() = "y";
  EXPECT_EQ(SwitchToVariableSpacing(job), VariableSpacing::TooMuchText);
  EXPECT_EQ(ui.messages.back().text, "Text Amount Too Large for Variable Spacing");
  EXPECT_EQ(job.settings.BCSPACE, 1);
}

TEST_F(SettingsChecks, OkTakesOverTheCurveToleranceAndMarksTheProject) {
  job.settings.FCTOL = "0.005";
  ConfirmSettings(job);
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_DOUBLE_EQ(job.fontCurveTolerance, 0.005);
  job.settings.FCTOL = "0";
  ConfirmSettings(job);
  EXPECT_DOUBLE_EQ(job.fontCurveTolerance, 0.005);
}

}  // namespace
}  // namespace quill
