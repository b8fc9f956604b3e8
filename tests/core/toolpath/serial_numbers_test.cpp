#include "toolpath/serial_numbers.h"

#include <algorithm>

#include "toolpath_fixture.h"

namespace quill {
namespace {

TEST(SerialNumberText, PadsInFrontOfTheSign) {
  EXPECT_EQ(SerialNumberText(8, 3, PadZeros), "008");
  EXPECT_EQ(SerialNumberText(-5, 4, PadZeros), "00-5");
  EXPECT_EQ(SerialNumberText(-5, 4, PadSpaces), "  -5");
  EXPECT_EQ(SerialNumberText(12345, 3, PadZeros), "12345");
  EXPECT_EQ(SerialNumberText(7, 4, PadNone), "7");
  EXPECT_EQ(SerialNumberText(7, -2, PadZeros), "7");
}

class SerialRunTest : public ToolPathTest {
 protected:
  SerialRunTest() {
    job.settings.SNUMSTART = "8";
    job.settings.SNUMEND = "10";
    job.settings.SNUMDIG = "3";
    job.settings.SNUMIPAD = PadZeros;
    job.settings.SNUMPREFIX = "SN";
  }

  // Stands in for the text path window: one stroke per number, and remembers the texts it laid out.
  TextPathGenerator Generator() {
    return [this](Job& j) {
      texts.push_back(j.text.at(0));
      if (failAt == static_cast<int>(texts.size())) return false;
      WriteTextPath({Move(0, 0), Line(1, 0)});
      return true;
    };
  }

  long Count(const std::string& line) {
    auto cl = ClLines();
    return std::count(cl.begin(), cl.end(), line);
  }

  std::vector<std::string> texts;
  int failAt = 0;
};

TEST_F(SerialRunTest, EngravesEveryNumberIntoOneFile) {
  test::WriteFile(job.paths.CLFileName, "an old tool path\r\n");
  SerialRunOptions run;
  run.betweenNumbers = {"M00", "G04 P2"};
  ASSERT_TRUE(RunSerialNumbers(job, run, {}, Generator()));
  EXPECT_EQ(texts, (std::vector<std::string>{"SN008", "SN009", "SN010"}));
  auto cl = ClLines();
  ASSERT_EQ(cl.size(), 3u * 9 + 1);
  EXPECT_EQ(cl[0], "900 (SN008)");
  EXPECT_EQ(cl[1], "5 0.0000000000000000");
  EXPECT_EQ(cl[6], "901 Reset Home");
  EXPECT_EQ(cl[7], "900 M00");
  EXPECT_EQ(cl[8], "900 G04 P2");
  EXPECT_EQ(cl[9], "900 (SN009)");
  EXPECT_EQ(cl[18], "900 (SN010)");
  EXPECT_EQ(cl.back(), "-999");
  EXPECT_EQ(Count("-999"), 1);
  EXPECT_EQ(Count("5 0.0000000000000000"), 3);
  EXPECT_EQ(job.text, std::vector<std::string>{"SN010"});
  EXPECT_EQ(job.settings.SNUMSTART, "11");  // the next plate, not the last one again
  EXPECT_TRUE(job.flags.ToolPathCreated);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SerialRunTest, TheProgramsOwnLayoutEngravesEachNumber) {
  job.settings.BFONTTYPE = 1;  // an installed TrueType face: no engraving font file needed here
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = 0;
  ASSERT_TRUE(RunSerialNumbers(job, SerialRunOptions{}, {}, GenerateSerialTextPath));
  EXPECT_EQ(Count("900 (SN009)"), 1);
  EXPECT_EQ(Count("901 Reset Home"), 3);
  EXPECT_GT(ClLines().size(), 3u * 20);  // real letters, many strokes each
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SerialRunTest, AnEndNotAboveTheStartGivesTwoNumbers) {
  job.settings.SNUMSTART = "-5";
  job.settings.SNUMEND = "-7";
  job.settings.SNUMINC = "2";
  job.settings.SNUMDIG = "4";
  job.settings.SNUMPREFIX = "";
  SerialRunOptions run;
  run.updateEndNumber = false;
  ASSERT_TRUE(RunSerialNumbers(job, run, {}, Generator()));
  EXPECT_EQ(texts, (std::vector<std::string>{"00-5", "00-3"}));
  EXPECT_EQ(job.settings.SNUMSTART, "-5");
}

TEST_F(SerialRunTest, WithoutCommentsTheNumbersFollowTheToolPathAlreadyThere) {
  test::WriteFile(job.paths.CLFileName, "5 0\r\n0 9 9 0.1 0\r\n-999\r\n");
  SerialRunOptions run;
  run.insertComment = false;
  run.betweenNumbers.clear();
  ASSERT_TRUE(RunSerialNumbers(job, run, {}, Generator()));
  auto cl = ClLines();
  EXPECT_EQ(cl[1], "0 9 9 0.1 0");
  EXPECT_EQ(cl[2], "5 0.0000000000000000");  // the old end is gone, so readers see the numbers
  EXPECT_EQ(Count("-999"), 1);
  EXPECT_EQ(cl.back(), "-999");
}

TEST_F(SerialRunTest, NumbersThatCouldNeverFinishAreRefused) {
  for (const char* increment : {"0", "-1", "100000"}) {
    job.settings.SNUMINC = increment;
    EXPECT_FALSE(RunSerialNumbers(job, {}, {}, Generator())) << increment;
  }
  job.settings.SNUMINC = "1";
  job.settings.SNUMDIG = "1000000000";
  EXPECT_FALSE(RunSerialNumbers(job, {}, {}, Generator()));
  job.settings.SNUMDIG = "3";
  job.settings.SNUMEND = "3000000000";
  EXPECT_FALSE(RunSerialNumbers(job, {}, {}, Generator()));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{
                            "Increment Must be Between 1 and 99999", "Increment Must be Between 1 and 99999",
                            "Increment Must be Between 1 and 99999", "Width (Digits) Must be Between 0 and 255",
                            "End Number Must be Between -2000000000 and 2000000000"}));
  EXPECT_TRUE(texts.empty());
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
}

TEST_F(SerialRunTest, AFailedNumberEndsTheRunWithAClosedFile) {
  failAt = 2;
  EXPECT_FALSE(RunSerialNumbers(job, {}, {}, Generator()));
  EXPECT_EQ(texts.size(), 2u);
  EXPECT_FALSE(job.flags.ToolPathCreated);
  EXPECT_EQ(ClLines().back(), "-999");
  EXPECT_EQ(job.settings.SNUMSTART, "8");
}

}  // namespace
}  // namespace quill
