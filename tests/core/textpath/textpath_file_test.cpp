#include "textpath/textpath_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "job/job.h"
#include "mathlib/arc_fit.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "textpath/arcfit_file.h"
#include "ui/test_ui.h"

namespace quill {
namespace {

class TextPathFileTest : public ::testing::Test {
 protected:
  TextPathFileTest() : job(ui) {
    BuildWorkFilePaths(job.paths, dir.path() + "/", dir.path() + "/data/");
    job.flags.TextPathGenerated = true;
  }

  void WriteTextPath(const std::vector<TextPathRecord>& recs) {
    TextPathWriter out(job.paths.TextPathFileName);
    for (const auto& r : recs) out.Write(r);
    ASSERT_TRUE(out.Close());
  }

  test::TempDir dir;
  TestUi ui;
  Job job;
};

// One character "L" with its box records (in font units, far out) and a line end.
std::vector<TextPathRecord> LetterL() {
  return {{TpCharStart, 76}, {TpBoxLow, 0, -50, -50}, {TpBoxHigh, 0, 50, 50},      {TpMove, 0, 1, 1},
          {TpLine, 0, 1, 3}, {TpLine, 0, 2, 1},       {TpArcCw, 0, 9, 9, 1, 8, 9}, {TpCharEnd},
          {TpLineEnd}};
}

// 44 bytes a record on disk, packed little-endian with the doubles unaligned, whatever the compiler's
// own layout of the struct.
TEST(TextPathRecordBytes, PackedLittleEndian) {
  unsigned char b[TextPathRecordSize];
  EncodeTextPathRecord({TpArcCw, -2, 1.0, -2.5, 0.5, 3.0, 0.25}, b);
  EXPECT_EQ(sizeof b, 44u);
  EXPECT_EQ(b[0], 5);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[2], 0xFE);
  EXPECT_EQ(b[3], 0xFF);
  // 1.0 is 3FF0000000000000, its last byte first; -2.5 is C004000000000000.
  EXPECT_EQ(b[4 + 6], 0xF0);
  EXPECT_EQ(b[4 + 7], 0x3F);
  EXPECT_EQ(b[12 + 6], 0x04);
  EXPECT_EQ(b[12 + 7], 0xC0);
  EXPECT_EQ(b[43], 0x3F);  // 0.25 is 3FD0000000000000
  TextPathRecord r = DecodeTextPathRecord(b);
  EXPECT_EQ(r.value, -2);
  EXPECT_EQ(r.Y, -2.5);
  EXPECT_EQ(r.R, 0.5);
  EXPECT_EQ(r.CX, 3.0);
  EXPECT_EQ(r.CY, 0.25);
}

TEST_F(TextPathFileTest, ExtentsCoverMovesAndLinesOnly) {
  WriteTextPath(LetterL());
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, false, false));
  EXPECT_DOUBLE_EQ(x0, 1);
  EXPECT_DOUBLE_EQ(y0, 1);
  EXPECT_DOUBLE_EQ(x1, 2);
  EXPECT_DOUBLE_EQ(y1, 3);
  EXPECT_EQ(CountTextPathMoves(job), 4);
}

TEST_F(TextPathFileTest, MarginAndSquare) {
  WriteTextPath(LetterL());
  double x0, y0, x1, y1;
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, true, false));
  EXPECT_DOUBLE_EQ(x0, 0.9);
  EXPECT_DOUBLE_EQ(x1, 2.1);
  EXPECT_DOUBLE_EQ(y0, 0.8);
  EXPECT_DOUBLE_EQ(y1, 3.2);
  // Taller than wide (2.4 against 1.2): the left side goes out by a quarter of the difference.
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, true, true));
  EXPECT_DOUBLE_EQ(x0, 0.9 - 0.3);
  EXPECT_DOUBLE_EQ(y0, 0.8);

  WriteTextPath({{TpMove, 0, 0, 0}, {TpLine, 0, 4, 2}});
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, false, true));
  EXPECT_DOUBLE_EQ(x0, 0);
  EXPECT_DOUBLE_EQ(y0, -0.5);
}

TEST_F(TextPathFileTest, ArcsOnlyGiveTheEmptyExtents) {
  WriteTextPath({{TpArcCcw, 0, 1, 1, 1, 0, 1}, {TpArcCw, 0, 2, 2, 1, 1, 2}, {TpLineEnd}});
  double x0, y0, x1, y1;
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, true, true));
  EXPECT_EQ(x0, 1000);
  EXPECT_EQ(y0, 1000);
  EXPECT_EQ(x1, -1000);
  EXPECT_EQ(y1, -1000);
  EXPECT_EQ(CountTextPathMoves(job), 2);
}

TEST_F(TextPathFileTest, NothingWithoutACurrentTextPath) {
  WriteTextPath(LetterL());
  job.flags.TextPathGenerated = false;
  double x0 = 7, y0 = 7, x1 = 7, y1 = 7;
  EXPECT_FALSE(TextPathExtents(job, x0, y0, x1, y1, false, false));
  EXPECT_EQ(x0, 7);
  EXPECT_EQ(CountTextPathMoves(job), 0);
  job.flags.TextPathGenerated = true;
  job.paths.TextPathFileName = dir.File("missing.tmp");
  EXPECT_FALSE(TextPathExtents(job, x0, y0, x1, y1, false, false));
  EXPECT_EQ(y1, 7);
  EXPECT_EQ(CountTextPathMoves(job), 0);
}

// A damaged file: a torn last record and a point that is no number must not spoil the box.
TEST_F(TextPathFileTest, DamagedFile) {
  WriteTextPath({{TpMove, 0, 1, 1}, {TpLine, 0, NAN, 5}, {TpLine, 0, 2, INFINITY}, {TpLine, 0, 3, 2}});
  std::string bytes = test::ReadFile(job.paths.TextPathFileName);
  test::WriteFile(job.paths.TextPathFileName, bytes + bytes.substr(0, 30));
  double x0, y0, x1, y1;
  ASSERT_TRUE(TextPathExtents(job, x0, y0, x1, y1, false, false));
  EXPECT_DOUBLE_EQ(x1, 3);
  EXPECT_DOUBLE_EQ(y1, 2);
  EXPECT_EQ(CountTextPathMoves(job), 4);
}

TEST_F(TextPathFileTest, ArcFitFileHoldsTheFittedRecords) {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < 30; ++i) pts.push_back({std::cos(i * 0.1), std::sin(i * 0.1)});
  test::TempDir out;
  {
    ArcFitWorkFile work(job.paths.ArcFitFile);
    TextPathWriter line(out.File("line"));
    // A longer block first: the file must hold only the last block afterwards.
    std::vector<CurvePoint> longer = pts;
    for (int i = 30; i < 60; ++i) longer.push_back({std::cos(i * 0.1), std::sin(i * 0.1)});
    ASSERT_TRUE(work.FitInto(longer, 0.001, line));
    ASSERT_TRUE(work.FitInto(pts, 0.001, line));
  }
  auto expect = FitTangentArcs(pts, 0.001);
  TextPathReader in(job.paths.ArcFitFile);
  TextPathRecord r;
  size_t n = 0;
  while (in.Next(r)) {
    ASSERT_LT(n, expect.size());
    EXPECT_EQ(r.kind, expect[n].kind);
    EXPECT_EQ(r.X, expect[n].X);
    EXPECT_EQ(r.CY, expect[n].CY);
    EXPECT_EQ(r.R, expect[n].R);
    ++n;
  }
  EXPECT_EQ(n, expect.size());
  ArcFitWorkFile nowhere(dir.File("no/such/folder/QMARCFIT.TMP"));
  TextPathWriter line(out.File("line2"));
  EXPECT_FALSE(nowhere.FitInto(pts, 0.001, line));
}

}  // namespace
}  // namespace quill
