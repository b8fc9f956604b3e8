#include "project/text_effects.h"

#include <gtest/gtest.h>

#include <vector>

#include "job/job.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class TextEffects : public testing::Test {
 protected:
  std::vector<float> Heights(size_t count) const {
    std::vector<float> h;
    for (size_t i = 0; i < count; ++i) h.push_back(job.settings.CharTable[i].height);
    return h;
  }

  TestUi ui;
  Job job{ui};
};

TEST_F(TextEffects, SlopeAndPeakRunAlongTheLine) {
  job.text = {"ABCDE"};
  ApplyTextEffect(job, {TextEffect::Slope, 1.0, 2.0, false});
  EXPECT_EQ(Heights(5), (std::vector<float>{1.0f, 1.25f, 1.5f, 1.75f, 2.0f}));
  EXPECT_EQ(job.settings.TEXTHIGH, "1.00000");

  ApplyTextEffect(job, {TextEffect::PeakValley, 1.0, 2.0, false});
  EXPECT_EQ(Heights(5), (std::vector<float>{1.0f, 1.4f, 1.8f, 1.4f, 1.0f}));

  // An even line has two centre letters of the same height.
  job.text = {"ABCD"};
  ApplyTextEffect(job, {TextEffect::PeakValley, 3.0, 1.0, false});
  EXPECT_EQ(Heights(4), (std::vector<float>{3.0f, 2.0f, 2.0f, 3.0f}));
}

TEST_F(TextEffects, DropCapsOnTheLineOrEveryWord) {
  job.text = {"A B-C"};
  ApplyTextEffect(job, {TextEffect::DropCaps, 1.0, 2.0, true});
  EXPECT_EQ(Heights(5), (std::vector<float>{2.0f, 1.0f, 2.0f, 1.0f, 2.0f}));
  EXPECT_EQ(job.settings.TEXTHIGH, "2.00000");  // the capital height

  ApplyTextEffect(job, {TextEffect::DropCaps, 1.0, 2.0, false});
  EXPECT_EQ(Heights(5), (std::vector<float>{2.0f, 1.0f, 1.0f, 1.0f, 1.0f}));
  EXPECT_EQ(DropCapTextHeight(1.1), "0.90000");
}

TEST_F(TextEffects, LinesStepOverTheirLineBreakEntries) {
  job.text = {"AB", "CDE"};
  ApplyTextEffect(job, {TextEffect::Slope, 2.0, 4.0, false});
  // Entries 2 and 3 are the carriage return and line feed and keep their height.
  EXPECT_EQ(Heights(7), (std::vector<float>{2.0f, 4.0f, 1.0f, 1.0f, 2.0f, 3.0f, 4.0f}));
}

TEST_F(TextEffects, WalkStopsAtAShortLine) {
  job.text = {"ABC", "", "DEF"};
  ApplyTextEffect(job, {TextEffect::Slope, 2.0, 4.0, false});
  EXPECT_EQ(Heights(8), (std::vector<float>{2.0f, 3.0f, 4.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f}));

  job.settings.CharTable.fill(CharEntry{});
  job.text = {"X", "ABC"};
  ApplyTextEffect(job, {TextEffect::Slope, 5.0, 6.0, false});
  EXPECT_EQ(Heights(6), (std::vector<float>(6, 1.0f)));
}

TEST_F(TextEffects, TextLongerThanTheTableStopsAtItsEnd) {
  job.text = {std::string(CharTableSize - 3, 'A'), "BCDEFGH"};
  ApplyTextEffect(job, {TextEffect::Slope, 3.0, 4.0, false});
  EXPECT_FLOAT_EQ(job.settings.CharTable[CharTableSize - 4].height, 4.0f);
  EXPECT_FLOAT_EQ(job.settings.CharTable[CharTableSize - 3].height, 1.0f);  // the line break's entry
  EXPECT_FLOAT_EQ(job.settings.CharTable[CharTableSize - 1].height, 3.0f);  // the last entry: "B"

  job.text = {std::string(3 * CharTableSize, 'A')};
  ApplyTextEffect(job, {TextEffect::Slope, 1.0, 1.0, false});
  EXPECT_FLOAT_EQ(job.settings.CharTable[CharTableSize - 1].height, 1.0f);
}

}  // namespace
}  // namespace quill
