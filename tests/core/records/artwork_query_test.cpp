#include "records/artwork_query.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quill {
namespace {

using test::TempDir;
using test::WriteFile;

Box BoxOf(const std::string& content) {
  TempDir dir;
  WriteFile(dir.File("QUILLART.TMP"), content);
  Box box;
  WidenByArtwork(dir.File("QUILLART.TMP"), box);
  return box;
}

void ExpectBox(const Box& b, double xmin, double ymin, double xmax, double ymax) {
  EXPECT_NEAR(b.xmin, xmin, 1e-9);
  EXPECT_NEAR(b.ymin, ymin, 1e-9);
  EXPECT_NEAR(b.xmax, xmax, 1e-9);
  EXPECT_NEAR(b.ymax, ymax, 1e-9);
}

TEST(ArtworkBox, ArcsByTheirSweep) {
  // The upper half circle about (2, 0), counter-clockwise from 0 to pi and clockwise from pi to 0.
  ExpectBox(BoxOf("3 2 0 1 0 3.1415926536 \r\n"), 1, 0, 3, 1);
  ExpectBox(BoxOf("2 2 0 1 3.1415926536 0\r\n"), 1, 0, 3, 1);
  // Clockwise from 0 to pi is the lower half.
  ExpectBox(BoxOf("2 2 0 1 0 3.1415926536\r\n"), 1, -1, 3, 0);
  ExpectBox(BoxOf("3 0 0 2 0 6.2831853072\r\n"), -2, -2, 2, 2);
  // An angle written below zero by another program still counts: -pi/2 to pi/2 is the right half.
  ExpectBox(BoxOf("3 0 0 1 -1.5707963268 1.5707963268\r\n"), 0, -1, 1, 1);
}

TEST(ArtworkBox, MovesAndLinesByBothPointsOtherKindsNot) {
  ExpectBox(BoxOf("0 5 5 -1 -1 0.0\r\n1 0 0 2 3 0.0\r\n-1 100 100 100 100 0\r\n"), -1, -1, 5, 5);
  EXPECT_TRUE(BoxOf("-1 1 1 2 2 0\r\nrubbish\r\n").Empty());
  Box none;
  WidenByArtwork("/nonexistent/QUILLART.TMP", none);
  EXPECT_TRUE(none.Empty());
}

TEST(ArtworkCount, CountsKindsZeroToThree) {
  TempDir dir;
  WriteFile(dir.File("A"),
            "0 0 0 0 0 0\r\n1 0 0 1 1 0\r\n-1 0 0 0 0 0\r\n2 0 0 1 0 1\r\n4 0 0 0 0 0\r\n3 0 0 1 0 1\r\nbad\r\n");
  EXPECT_EQ(CountArtworkRecords(dir.File("A")), 4);
  EXPECT_EQ(CountArtworkRecords(dir.File("missing")), 0);
}

TEST(ArtworkCount, HasRecordsOnlyForKindsZeroToThreeBeforeTheFirstBadRecord) {
  TempDir dir;
  WriteFile(dir.File("A"), "-1 0 0 0 0 0\r\n4 0 0 0 0 0\r\n2 0 0 1 0 1\r\n");
  WriteFile(dir.File("B"), "-1 0 0 0 0 0\r\n4 0 0 0 0 0\r\n");
  WriteFile(dir.File("C"), "bad\r\n1 0 0 1 1 0\r\n");
  EXPECT_TRUE(HasArtworkRecords(dir.File("A")));
  EXPECT_FALSE(HasArtworkRecords(dir.File("B")));
  EXPECT_EQ(HasArtworkRecords(dir.File("C")), CountArtworkRecords(dir.File("C")) > 0);
  EXPECT_FALSE(HasArtworkRecords(dir.File("missing")));
}

}  // namespace
}  // namespace quill
