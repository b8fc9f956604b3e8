// Blocks split as a control splits them, and every number format read back to the value it was written from.
#include "nc/check/block_words.h"

#include <gtest/gtest.h>

#include <cmath>

#include "nc/format_number.h"

namespace quill {
namespace {

std::string Words(const BlockWords& b) {
  std::string s;
  for (const auto& w : b.words) s += std::string(1, w.letter) + w.body + " ";
  return s;
}

TEST(SplitBlock, SequenceNumbersCommentsAndBendixMarks) {
  EXPECT_EQ(Words(SplitBlock("N10G01X1.0Y-.25 (A CUT) Z.1 ; the rest", false)), "N10 G01 X1.0 Y-.25 Z.1 ");
  EXPECT_EQ(Words(SplitBlock("g0 x 1 y2", false)), "G0 X1 Y2 ");
  BlockWords bendix = SplitBlock("N3(1)X12500Y-500$", true);
  EXPECT_TRUE(bendix.linearMark);
  EXPECT_EQ(Words(bendix), "N3 X12500 Y-500 ");
  EXPECT_FALSE(SplitBlock("(1)X1", false).linearMark);  // a comment anywhere else
  EXPECT_TRUE(SplitBlock("%", false).words.empty());
  EXPECT_EQ(SplitBlock("G01 X", false).error, "the word X without a number");
  EXPECT_EQ(SplitBlock("G01 X1 (open", false).error, "a comment that is never closed");
  EXPECT_EQ(SplitBlock("G01 X1$", false).error, "the character \"$\" where a word should start");
}

TEST(DecodeWord, EveryFormatReadsBackWhatItWrote) {
  const double values[] = {0, 1.25, -0.25, 12, 0.99996, -0.00001, 123.4567, 7.0001, -45.5};
  for (int format = FmtDecimal; format <= FmtLeadingTrailing; ++format) {
    for (int right : {0, 2, 4}) {
      if (format == FmtTrailingZeros && right == 0) continue;  // a zero would be no digits at all
      for (double v : values) {
        const std::string text = FormatNumber(format, 3, right, v);
        auto back = DecodeWord(text, {format, 3, right});
        ASSERT_TRUE(back) << format << " " << text;
        EXPECT_LE(std::fabs(*back - v), 0.5 * std::pow(10.0, -right) + 1e-12) << format << " " << right << " " << text;
      }
    }
  }
  EXPECT_EQ(DecodeWord("12", {FmtDecimal, 3, 4}), 12.0);  // a hand-written macro word
  EXPECT_FALSE(DecodeWord("1.2.3", {FmtDecimal, 3, 4}));
  EXPECT_FALSE(DecodeWord("-", {FmtTrailingZeros, 3, 4}));
}

}  // namespace
}  // namespace quill
