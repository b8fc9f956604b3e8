// The TMG writer: whatever it copies from records written before, every line is the record's own text.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "records/line_reader.h"
#include "records/tmg_record.h"
#include "test_support.h"

namespace quill {
namespace {

TEST(TmgWriterTest, EveryLineIsItsRecordsTextAcrossChainsLayersAndBufferEnds) {
  test::TempDir dir;
  const std::string path = dir.File("OUT.TMG");
  std::mt19937 rng(2008);
  std::uniform_real_distribution<double> coordinate(-1000, 1000);
  const double awkward[] = {0.0, -0.0, 1e-9, -1e-9, 0.0000005, 123456789.5, -1e30, 1e300,
                            std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()};
  std::vector<TmgRecord> written;
  TmgWriter out;
  ASSERT_TRUE(out.Open(path));
  double x = 0, y = 0;
  // About three megabytes: the buffer is written out several times, mid-chain.
  for (int i = 0; i < 40000; ++i) {
    const int layer = static_cast<int>(rng() % 3) * (i % 7 == 0 ? -1 : 1), colour = 1 + static_cast<int>(rng() % 2);
    double nx = coordinate(rng), ny = i % 5 == 0 ? awkward[rng() % 10] : coordinate(rng);
    switch (rng() % 5) {
      case 0: out.Point(layer, colour, nx, ny), written.push_back({TmgPoint, layer, colour, 0, {nx, ny}}); break;
      case 1:
        out.Arc(layer, colour, nx, ny, 2.5, 0, 360);
        written.push_back({TmgArc, layer, colour, 0, {nx, ny, 2.5, 0, 0, 0, 360}});
        break;
      case 2: {  // a line that does not start where the last one ended, but shares one coordinate
        out.Line(layer, colour, x, ny, nx, y);
        written.push_back({TmgLine, layer, colour, 0, {x, ny, 0, nx, y, 0, 0}});
        break;
      }
      default:  // a chain of lines, each from the last end
        out.Line(layer, colour, x, y, nx, ny);
        written.push_back({TmgLine, layer, colour, 0, {x, y, 0, nx, ny, 0, 0}});
        break;
    }
    x = nx, y = ny;
    if (i % 997 == 0) {
      out.Write({7, layer, colour, 5, {1, 2, 3, 4, 5, 6, 7}});
      written.push_back({7, layer, colour, 5, {1, 2, 3, 4, 5, 6, 7}});
    }
  }
  out.End();
  written.push_back({TmgEnd, 0, 0, 0, {}});
  ASSERT_TRUE(out.Close());
  EXPECT_EQ(out.Count(), static_cast<long>(written.size()));

  const std::string text = test::ReadFile(path);
  std::string expected;
  for (const TmgRecord& rec : written) expected += FormatTmgRecord(rec) + "\r\n";
  ASSERT_EQ(text.size(), expected.size());
  EXPECT_TRUE(text == expected);
}

TEST(TmgWriterTest, AClosedWriterWritesNothingAndAFullDiskIsReported) {
  TmgWriter unopened;
  unopened.Line(0, 1, 0, 0, 1, 1);
  EXPECT_EQ(unopened.Count(), 0);
  EXPECT_TRUE(unopened.Close());

  TmgWriter full;
  ASSERT_TRUE(full.Open("/dev/full"));
  for (int i = 0; i < 30000; ++i) full.Line(0, 1, i, 0, i + 1, 0);
  EXPECT_FALSE(full.Close());
}

}  // namespace
}  // namespace quill
