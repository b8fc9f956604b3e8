#include "job/settings_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "job/job.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class SettingKeys : public testing::Test {
 protected:
  StoreResult Store(const std::string& key, const std::string& value) {
    const SettingKey* k = FindSettingKey(key);
    EXPECT_NE(k, nullptr) << key;
    return k ? k->set(job, value) : StoreResult::Unchanged;
  }
  std::string Get(const std::string& key) { return FindSettingKey(key)->get(job); }
  TestUi ui;
  Job job{ui};
};

TEST_F(SettingKeys, EveryKeyOnceAndOnlyExactNames) {
  std::set<std::string> seen;
  for (const SettingKey& k : WrittenSettingKeys()) EXPECT_TRUE(seen.insert(k.key).second) << k.key;
  EXPECT_EQ(seen.size(), 62u);  // the version line, tables, artwork and text are written around them
  EXPECT_EQ(std::string(WrittenSettingKeys().front().key), "ACNPTS");
  EXPECT_EQ(std::string(WrittenSettingKeys().back().key), "TSHAPE");
  EXPECT_NE(FindSettingKey("CMACHINE"), nullptr);
  EXPECT_EQ(FindSettingKey("xstart"), nullptr);
  EXPECT_EQ(FindSettingKey("XSTART "), nullptr);
}

TEST_F(SettingKeys, FieldTextsAndNamesAreKeptVerbatim) {
  Store("XSTART", "1/8 junk");
  Store("SNUMPREFIX", "  A-");
  Store("TLCR", "abc");
  Store("CMACHINE", "MY MILL");
  EXPECT_EQ(job.settings.XSTART, "1/8 junk");
  EXPECT_EQ(job.settings.SNUMPREFIX, "  A-");
  EXPECT_EQ(job.settings.TLCR, "abc");
  EXPECT_EQ(job.paths.MachineName, "MY MILL");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SettingKeys, IntegersAreRoundedAndHeldToTheirRange) {
  Store("SNUMSTART", "12.5");
  EXPECT_EQ(job.settings.SNUMSTART, "12");  // halves go to the even neighbour
  Store("SNUMINC", "0");
  EXPECT_EQ(job.settings.SNUMINC, "1");
  Store("SNUMEND", "9e12");
  EXPECT_EQ(job.settings.SNUMEND, "2000000000");
  Store("ACNPTS", "500");
  EXPECT_EQ(job.settings.CurvePoints, 125);
  EXPECT_EQ(job.settings.ACNPTS, "500");
  Store("ACNPTS", "-3");
  EXPECT_EQ(job.settings.CurvePoints, 0);
}

TEST_F(SettingKeys, ChoicesOutsideTheirRangeChangeNothing) {
  Store("TJUST", "3");
  Store("TJUST", "5");
  EXPECT_EQ(job.settings.TJUST, JustCenter);
  Store("SNUMIPAD", "-1");
  EXPECT_EQ(job.settings.SNUMIPAD, PadZeros);
  Store("TTYPE", "4");  // as clicking "Along a Curve": Center becomes Left
  EXPECT_EQ(job.settings.TTYPE, ModeCurve);
  EXPECT_EQ(job.settings.TJUST, JustLeft);
}

TEST_F(SettingKeys, FlagsAndNumbersWarnOnText) {
  Store("MIRROR", "2");
  EXPECT_TRUE(job.settings.MIRROR);
  Store("OUTARCS", "0");
  EXPECT_EQ(job.settings.OUTARCS, 0);
  Store("RFRAME", "1");
  EXPECT_TRUE(job.flags.RefFrameOn);
  EXPECT_TRUE(ui.messages.empty());
  Store("BCSPACE", "yes");
  EXPECT_EQ(job.settings.BCSPACE, 0);
  Store("RFXX", "wide");
  EXPECT_EQ(job.settings.RFXX, "0.0");
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "Integer/Double String Conversion Error\nS = [wide]\nEr = 1");
}

TEST_F(SettingKeys, ToolShapeMustBeAWholeNumber) {
  EXPECT_EQ(Store("TSHAPE", "0"), StoreResult::Stored);
  EXPECT_EQ(job.settings.TSHAPE, ShapeFlat);
  EXPECT_EQ(Store("TSHAPE", "7"), StoreResult::Unchanged);
  EXPECT_EQ(Store("TSHAPE", "1.0"), StoreResult::Stop);
  EXPECT_EQ(ui.messages.back().text, "'1.0' is not a valid integer value");
  EXPECT_EQ(ui.messages.back().kind, MsgKind::Error);
  EXPECT_EQ(job.settings.TSHAPE, ShapeFlat);
}

TEST_F(SettingKeys, WrittenForms) {
  job.settings.TSHAPE = ShapeFlat;
  job.settings.TLCR = "45";
  EXPECT_EQ(Get("TLCR"), "0.00000");
  job.settings.TSHAPE = ShapeBall;
  EXPECT_EQ(Get("TLCR"), "45.00000");
  job.settings.RFX = "-1.23456";
  EXPECT_EQ(Get("RFX"), "-1.2346");
  job.settings.BFONTTYPE = 1;
  EXPECT_EQ(Get("BFONTTYPE"), "1");
  Store("WFONTNAME", "../fonts\\ROMAN.QXF");
  EXPECT_EQ(Get("WFONTNAME"), "ROMAN.QXF");
}

}  // namespace
}  // namespace quill
