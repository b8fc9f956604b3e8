#include "records/artwork_record.h"

#include <gtest/gtest.h>

#include <vector>

#include "mathlib/constants.h"
#include "test_support.h"

namespace quill {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(ArtFormat, TenDecimalsAndAlwaysFiveReals) {
  EXPECT_EQ(FormatArtRecord({ArtArcCcw, {2, 0, 1, 0, Pi}}),
            "3 2.0000000000 0.0000000000 1.0000000000 0.0000000000 3.1415926536");
  EXPECT_EQ(FormatArtRecord({ArtLine, {3, -0.5, 0, 0, 7}}),
            "1 3.0000000000 -0.5000000000 0.0000000000 0.0000000000 0.0");
  EXPECT_EQ(FormatArtRecord({ArtMove, {1, 2, 3, 4, 0}}), "0 1.0000000000 2.0000000000 3.0000000000 4.0000000000 0.0");
  // A kind the program does not know keeps all five of its numbers.
  EXPECT_EQ(FormatArtRecord({-1, {0, 0, 0, 0, 0.25}}),
            "-1 0.0000000000 0.0000000000 0.0000000000 0.0000000000 0.2500000000");
}

// The widest numbers a record can hold are written whole, on disk as in the formatted text.
TEST(ArtFormat, NumbersAtTheEndsOfTheRange) {
  const double huge = -1.7976931348623157e308;
  const ArtRecord rec{ArtArcCw, {huge, huge, huge, huge, huge}};
  const std::string text = FormatArtRecord(rec);
  EXPECT_EQ(text.size(), 1 + 5 * (1 + 1 + 309 + 1 + 10));  // blank, minus, digits, point, decimals
  EXPECT_EQ(text.substr(0, 8), "2 -17976");
  EXPECT_EQ(FormatArtRecord({ArtLine, {-0.0, -1e-11, 4e-11, -4e-11, 0}}),
            "1 0.0000000000 0.0000000000 0.0000000000 0.0000000000 0.0");
  TempDir dir;
  const std::string path = dir.File("QUILLART.TMP");
  {
    ArtWriter out(path, false);
    out.Write(rec);
  }
  EXPECT_EQ(ReadFile(path), text + "\r\n");
}

TEST(ArtWriter, ReplaceStartsEmptyAppendCreatesAndAdds) {
  TempDir dir;
  std::string path = dir.File("QUILLART.TMP");
  {
    ArtWriter out(path, true);  // missing file: created
    out.Line(0, 0, 1, 0);
  }
  {
    ArtWriter out(path, true);
    out.WriteRaw("2 0 0 1 0 1");
  }
  EXPECT_EQ(ReadFile(path), "1 0.0000000000 0.0000000000 1.0000000000 0.0000000000 0.0\r\n2 0 0 1 0 1\r\n");
  {
    ArtWriter out(path, false);
    out.Move(1, 1, 0, 0);
    EXPECT_EQ(out.Count(), 1);
  }
  EXPECT_EQ(ReadFile(path), "0 1.0000000000 1.0000000000 0.0000000000 0.0000000000 0.0\r\n");
}

TEST(ArtReader, AcceptsAnyNotationAndSkipsDamagedLines) {
  TempDir dir;
  std::string path = dir.File("QUILLART.TMP");
  WriteFile(path,
            "1 0 0 1e0 0 0.0 trailing words\r\n"
            "1 0 0 1 0\r\n"        // four reals: damaged
            "1.5 0 0 1 0 0\r\n"    // no whole-number kind
            "2 0 0 1 0 3.14x\r\n"  // a real with rubbish glued on
            "\r\n"
            "-1\t0 0 0 0 0\n"
            "3  +2 0 1 0 3.1415926536\r\n");
  ArtReader in(path);
  std::vector<ArtRecord> recs;
  ArtRecord r;
  while (in.Next(r)) recs.push_back(r);
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[0].kind, ArtLine);
  EXPECT_DOUBLE_EQ(recs[0].v[2], 1);
  EXPECT_EQ(recs[1].kind, -1);
  EXPECT_EQ(recs[2].kind, ArtArcCcw);
  EXPECT_DOUBLE_EQ(recs[2].v[0], 2);
  EXPECT_EQ(in.Skipped(), 3);
}

}  // namespace
}  // namespace quill
