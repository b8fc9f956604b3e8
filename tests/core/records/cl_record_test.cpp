#include "records/cl_record.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_support.h"

namespace quill {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

std::vector<ClRecord> ReadAll(const std::string& path, bool* damaged = nullptr) {
  ClReader in(path);
  std::vector<ClRecord> out;
  ClRecord r;
  while (in.Next(r)) out.push_back(r);
  if (damaged) *damaged = in.Damaged();
  return out;
}

TEST(ClFormat, SixteenDecimalsOneBlankAndCentreOnlyForArcs) {
  EXPECT_EQ(FormatClRecord(1, 0.1, -0.05, -0.05, 6),
            "1 0.1000000000000000 -0.0500000000000000 -0.0500000000000000 6.0000000000000000");
  EXPECT_EQ(FormatClRecord(0, 1, 2, 0.1, 0, 9, 9),
            "0 1.0000000000000000 2.0000000000000000 0.1000000000000000 0.0000000000000000");
  EXPECT_EQ(FormatClRecord(2, 1, 0, -0.05, 6, 0.5, -0.25),
            "2 1.0000000000000000 0.0000000000000000 -0.0500000000000000 6.0000000000000000 "
            "0.5000000000000000 -0.2500000000000000");
  // Never an exponent, whatever the magnitude.
  EXPECT_EQ(FormatClRecord(1, 1e-20, 123456789012.0, 0, 0).find_first_of("eE"), std::string::npos);
}

TEST(ClWriter, WritesCrLfLinesAndCountsRecords) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  {
    ClWriter out(path);
    out.WriteRotaryRadius(0);
    out.Write(0, 1, 2, 0.1, 0);
    out.WriteText(ClText, " (SN008)");
    out.WriteText(ClResetHome, " Reset Home");
    out.WriteEnd();
    EXPECT_EQ(out.Count(), 5);
    EXPECT_TRUE(out.Close());
  }
  EXPECT_EQ(ReadFile(path),
            "5 0.0000000000000000\r\n"
            "0 1.0000000000000000 2.0000000000000000 0.1000000000000000 0.0000000000000000\r\n"
            "900 (SN008)\r\n901 Reset Home\r\n-999\r\n");
}

TEST(ClWriter, AppendKeepsWhatIsThere) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  WriteFile(path, "900 (A)\r\n");
  ClWriter(path, true).WriteEnd();
  EXPECT_EQ(ReadFile(path), "900 (A)\r\n-999\r\n");
}

TEST(ClReader, ReadsTheFieldsEachCodeCarries) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  WriteFile(path,
            "5 0.75 anything after the radius\r\n"
            "  1   1e-1\t2 3 4 extra words\r\n"
            "2 1 2 3 4 5 6\r\n"
            "83 1 2 3 4 5 6\r\n"
            "80 1 2 3 4\r\n"
            "900 G04 P1\r\n"
            "\r\n"
            "901 Reset Home\r\n"
            "7 1 2 3 4\r\n"
            "-999\r\n"
            "1 9 9 9 9\r\n");
  bool damaged = true;
  auto recs = ReadAll(path, &damaged);
  EXPECT_FALSE(damaged);
  ASSERT_EQ(recs.size(), 8u);
  EXPECT_EQ(recs[0].code, ClRotaryRadius);
  EXPECT_DOUBLE_EQ(recs[0].R, 0.75);
  EXPECT_DOUBLE_EQ(recs[1].X, 0.1);
  EXPECT_DOUBLE_EQ(recs[1].F, 4);
  EXPECT_DOUBLE_EQ(recs[2].CX, 5);
  EXPECT_DOUBLE_EQ(recs[2].CY, 6);
  EXPECT_DOUBLE_EQ(recs[3].R, 5);
  EXPECT_DOUBLE_EQ(recs[3].Q, 6);
  EXPECT_EQ(recs[4].code, ClCycleEnd);
  EXPECT_EQ(recs[5].text, " G04 P1");
  EXPECT_EQ(recs[6].code, ClResetHome);
  EXPECT_EQ(recs[7].code, 7);  // an unknown code still carries four reals
}

TEST(ClReader, StopsAtTheFirstRecordItCannotRead) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  // Codes of twenty digits and more are too long for any whole number: read to their end, not overflowed.
  const char* damagedLines[] = {"abc 1 2 3 4", "1.5 1 2 3 4", "1 1 2 3",
                                "2 1 2 3 4 5", "1 1 2x 3 4",  "99999999999 1 2 3 4",
                                "5777777777777777777738888888888 1 2 3 4", "-99999999999999999999 1 2 3 4"};
  for (const char* bad : damagedLines) {
    WriteFile(path, std::string("1 1 2 3 4\r\n") + bad + "\r\n0 1 2 3 4\r\n");
    bool damaged = false;
    EXPECT_EQ(ReadAll(path, &damaged).size(), 1u) << bad;
    EXPECT_TRUE(damaged) << bad;
  }
}

TEST(ClReader, FileWithoutEndIsReadToItsEnd) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  WriteFile(path, "5 0\r\n0 1 2 3 0");
  EXPECT_EQ(ReadAll(path).size(), 2u);
  EXPECT_TRUE(ReadAll(dir.File("missing.CL")).empty());
}

TEST(RemoveClEnd, TakesOnlyAClosingEndOff) {
  TempDir dir;
  std::string path = dir.File("QUILLMAR.CL");
  WriteFile(path, "5 0\r\n0 1 2 3 0\r\n-999\r\n\r\n");
  EXPECT_TRUE(RemoveClEnd(path));
  EXPECT_EQ(ReadFile(path), "5 0\r\n0 1 2 3 0\r\n");

  EXPECT_TRUE(RemoveClEnd(path));  // nothing to take off
  EXPECT_EQ(ReadFile(path), "5 0\r\n0 1 2 3 0\r\n");

  WriteFile(path, "-999");
  EXPECT_TRUE(RemoveClEnd(path));
  EXPECT_EQ(ReadFile(path), "");

  std::string longTail = "900 " + std::string(5000, 'x') + "-999\r\n";
  WriteFile(path, longTail);  // "-999" ends a comment here, it is no record of its own
  EXPECT_TRUE(RemoveClEnd(path));
  EXPECT_EQ(ReadFile(path), longTail);

  EXPECT_TRUE(RemoveClEnd(dir.File("missing.CL")));
}

}  // namespace
}  // namespace quill
