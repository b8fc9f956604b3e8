#include "toolpath/toolpath_dialog.h"

#include <gtest/gtest.h>

#include "job/flags.h"
#include "job/settings.h"

namespace quill {
namespace {

TEST(ToolPathDialog, OffersTheSourceTheJobHolds) {
  JobFlags f;
  EXPECT_EQ(DefaultSource(f, ToolPathSource::TextThenArtwork), ToolPathSource::TextThenArtwork);
  f.TextPathGenerated = true;
  EXPECT_EQ(DefaultSource(f, ToolPathSource::ArtworkOnly), ToolPathSource::TextOnly);
  f.ArtworkPresent = true;
  EXPECT_EQ(DefaultSource(f, ToolPathSource::TextOnly), ToolPathSource::ArtworkThenText);
  f.TextPathGenerated = false;
  EXPECT_EQ(DefaultSource(f, ToolPathSource::TextOnly), ToolPathSource::ArtworkOnly);
  EXPECT_FALSE(CarveAllowed(ToolPathSource::ArtworkOnly));
  EXPECT_TRUE(CarveAllowed(ToolPathSource::TextThenArtwork));
}

TEST(ToolPathDialog, ProjectionUnticksMultipleDepths) {
  ToolPathOptions o;
  o.multipleDepths = true;
  SetZAxisMode(o, ZAxisMode::Constant);
  EXPECT_TRUE(o.multipleDepths);
  SetZAxisMode(o, ZAxisMode::ProjectOnSurface);
  EXPECT_FALSE(o.multipleDepths);
}

TEST(ToolPathDialog, ToolShapeKeepsTheAngleFieldSensible) {
  EngravingSettings s;
  s.TSHAPE = ShapeBall;
  s.TOOLDIA = "0.125";
  s.TLCR = "0.05";
  ApplyToolShape(s);
  EXPECT_EQ(s.TLCR, "0.05");
  s.TLCR = "60.0000";
  ApplyToolShape(s);
  EXPECT_EQ(s.TLCR, "0.062500000000000");
  EXPECT_STREQ(ToolAngleCaption(ShapeBall), "Corner Rad.");

  s.TSHAPE = ShapeCone;
  for (const char* reset : {"180", "0.1", "0.125", "junk"}) {
    s.TLCR = reset;
    ApplyToolShape(s);
    EXPECT_EQ(s.TLCR, "60.0000") << reset;
  }
  s.TLCR = "179.99";
  ApplyToolShape(s);
  EXPECT_EQ(s.TLCR, "179.99");
}

TEST(ToolPathDialog, OkKeepsEveryRealConeTipAngle) {
  EngravingSettings s;
  s.TSHAPE = ShapeCone;
  for (const char* angle : {"0", "-5", "180", "200"}) {
    s.TLCR = angle;
    ApplyToolPathOk(s);
    EXPECT_EQ(s.TLCR, "60.0") << angle;
  }
  for (const char* angle : {"89.9", "90", "120", "179.9"}) {  // common V-bits stay as typed
    s.TLCR = angle;
    ApplyToolPathOk(s);
    EXPECT_EQ(s.TLCR, angle);
  }
  s.TSHAPE = ShapeFlat;
  s.TLCR = "0";
  ApplyToolPathOk(s);
  EXPECT_EQ(s.TLCR, "0");
}

}  // namespace
}  // namespace quill
