#include "job/settings_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

// The five coordinates as "label" for an enabled field and "-" for a disabled one.
std::string Shown(int mode, int justify) {
  std::string out;
  for (const CoordinateField& f : TextCoordinateFields(mode, justify)) {
    out += std::string(f.enabled ? f.label : "-") + "|";
  }
  return out;
}

TEST(TextCoordinates, LabelsAndEnablesFollowModeAndJustification) {
  EXPECT_EQ(Shown(ModeLinear, JustLeft), "Start -X-|Start -Y-|Angle|-|-|");
  EXPECT_EQ(Shown(ModeLinear, JustRight), "-|-|Angle|End -X-|End -Y-|");
  EXPECT_EQ(Shown(ModeLinear, JustCenter), "Center-X-|Center-Y-|Angle|-|-|");
  EXPECT_EQ(Shown(ModeLinear, JustFull), "Start -X-|Start -Y-|-|End -X-|End -Y-|");
  EXPECT_EQ(Shown(ModeCwArc, JustLeft), "Center-X-|Center-Y-|St Angle|Radius|-|");
  EXPECT_EQ(Shown(ModeCcwArc, JustRight), "Center-X-|Center-Y-|-|Radius|End Angle|");
  EXPECT_EQ(Shown(ModeCwArc, JustCenter), "Center-X-|Center-Y-|Cen Angle|Radius|-|");
  EXPECT_EQ(Shown(ModeCcwArc, JustFull), "Center-X-|Center-Y-|St Angle|Radius|End Angle|");
  EXPECT_EQ(Shown(ModeCurve, JustLeft), "-|-|-|-|-|");
  EXPECT_EQ(Shown(ModeCurve, JustFull), "-|-|-|-|-|");
}

TEST(TextCoordinates, AlongACurveKeepsOnlyLeftOrFull) {
  EngravingSettings s;
  s.TJUST = JustCenter;
  SelectTextMode(s, ModeCurve);
  EXPECT_EQ(s.TJUST, JustLeft);
  s.TJUST = JustFull;
  SelectTextMode(s, ModeCurve);
  EXPECT_EQ(s.TJUST, JustFull);
  s.TJUST = JustRight;
  SelectTextMode(s, ModeCwArc);
  EXPECT_EQ(s.TJUST, JustRight);
  EXPECT_EQ(JustifyButtonsEnabled(ModeCurve), (std::array<bool, 4>{true, false, false, true}));
  EXPECT_EQ(JustifyButtonsEnabled(ModeLinear), (std::array<bool, 4>{true, true, true, true}));
  EXPECT_STREQ(CurveGroup(ModeCurve).caption, "Text Along a Curve");
  EXPECT_FALSE(CurveGroup(ModeLinear).enabled);
  EXPECT_STREQ(CurveGroup(ModeLinear).caption, "Text Along a Curve [NOT SELECTED]");
}

TEST(FontAndSpacingControls, FollowTheirKinds) {
  EngravingSettings s;
  s.BFONTTYPE = 0;
  s.SPECWIDE = true;
  FontControls own = FontKindControls(s);
  EXPECT_STREQ(own.sampleText, "No Preview");
  EXPECT_TRUE(own.ownFontButton);
  EXPECT_FALSE(own.trueTypeControls);
  EXPECT_FALSE(own.widthField);

  s.BFONTTYPE = 1;
  s.FONTBOLD = s.FONTITALICS = true;
  FontControls tt = FontKindControls(s);
  EXPECT_STREQ(tt.sampleText, "QUILLMARK");
  EXPECT_TRUE(tt.widthField);
  EXPECT_EQ(tt.sampleStyle, SampleStyle::BoldItalic);

  s.BCSPACE = 0;
  SpacingControls variable = SpacingKindControls(s);
  EXPECT_FALSE(variable.letterSpace);
  EXPECT_FALSE(variable.wordSpace);
  EXPECT_TRUE(variable.lineSpace);
  EXPECT_TRUE(variable.charTable);
  EXPECT_TRUE(variable.textEffects);
  s.BCSPACE = 1;
  EXPECT_FALSE(SpacingKindControls(s).charTable);
}

}  // namespace
}  // namespace quill
