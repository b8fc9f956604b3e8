#include "nc/nc_output.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "test_support.h"

namespace quill {
namespace {

using test::ReadFile;
using test::TempDir;

// Blocks written in place and blocks handed over as text come out alike, numbered and ended the same,
// in the order they were written, also across the buffer's many trips to the file.
TEST(NcOutput, BlocksInPlaceAndAsTextKeepTheirOrderAcrossFlushes) {
  TempDir dir;
  const std::string path = dir.File("JOB.TAP");
  std::string expected;
  {
    NcOutput out(path);
    out.numbered = true;
    out.dollar = true;
    for (int i = 0; i < 100000; ++i) {
      const std::string words = "X" + std::to_string(i) + "Y.5";
      if (i % 3 == 0) {
        out.Block(words);
      } else {
        char* at = out.OpenBlock(words.size());
        std::memcpy(at, words.data(), words.size());
        out.CloseBlock(at + words.size());
      }
      expected += "N" + std::to_string(10 + 10 * i) + words + "$\r\n";
    }
    out.Line("%");
    expected += "%\r\n";
    EXPECT_EQ(out.Lines(), 100001);
    ASSERT_TRUE(out.Commit());
  }
  EXPECT_EQ(ReadFile(path), expected);
}

// A line or a block longer than the whole buffer (a long comment, a machine code run wild) is written
// whole, between its neighbours.
TEST(NcOutput, LinesAndBlocksLongerThanTheBufferGoInWhole) {
  TempDir dir;
  const std::string path = dir.File("JOB.TAP");
  const std::string line(3 << 20, 'C'), words(2 << 20, 'W');
  {
    NcOutput out(path);
    out.Line("G00X0");
    out.Line(line);
    char* at = out.OpenBlock(words.size());
    std::memcpy(at, words.data(), words.size());
    out.CloseBlock(at + words.size());
    out.Line("M30");
    ASSERT_TRUE(out.Commit());
  }
  EXPECT_EQ(ReadFile(path), "G00X0\r\n" + line + "\r\n" + words + "\r\nM30\r\n");
}

}  // namespace
}  // namespace quill
