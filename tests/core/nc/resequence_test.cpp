#include "nc/resequence.h"

#include <gtest/gtest.h>

namespace quill {
namespace {

using Lines = std::vector<std::string>;

Lines Resequenced(Lines lines, const ResequenceOptions& o = {}) {
  ResequenceLines(lines, o);
  return lines;
}

TEST(Resequence, DefaultsNumberBlocksAndSkipMarkedLines) {
  EXPECT_EQ(Resequenced({"%", "O1000", "N5 G90", "G01 X1", "/N7 G00 Z1"}),
            (Lines{"%", "O1000", "N10 G90", "N20G01 X1", "/N30 G00 Z1"}));
  EXPECT_EQ(Resequenced({"N5", "", "(COMMENT)", "n5 G1"}), (Lines{"N10", "", "(COMMENT)", "N20n5 G1"}));
}

TEST(Resequence, BlockDeleteLines) {
  EXPECT_EQ(Resequenced({"/G01 X1"}), (Lines{"/N10G01 X1"}));
  EXPECT_EQ(Resequenced({"/H12 X1", "/O3 X2"}), (Lines{"/H10 X1", "/O20 X2"}));
}

TEST(Resequence, RestartsAtTheIncrementPastTheDigits) {
  ResequenceOptions o;
  o.start = 9990;
  EXPECT_EQ(Resequenced({"G1", "G2", "G3"}, o), (Lines{"N9990G1", "N10G2", "N20G3"}));
}

TEST(Resequence, LeadingZerosAndOBlocks) {
  ResequenceOptions o;
  o.leadingZeros = true;
  o.oBlocks = true;
  o.start = 5;
  o.increment = 5;
  EXPECT_EQ(Resequenced({"O1000", "N1 G0", "H7"}, o), (Lines{"O0005", "N0010 G0", "H0015"}));
}

TEST(Resequence, RemovingNumbers) {
  ResequenceOptions o;
  o.removeAll = true;
  EXPECT_EQ(Resequenced({"N5 G90", "N10 G01", "G02 X1", "%", "N"}, o), (Lines{"G90", "G01", "G02 X1", "%", ""}));
  // The block-delete mark stays: the block must remain optional.
  EXPECT_EQ(Resequenced({"/N30 G00 Z1", "/G1"}, o), (Lines{"/G00 Z1", "/G1"}));
}

TEST(Resequence, DialogFieldsMustBeWholeNumbers) {
  std::string error;
  auto o = ResequenceOptionsFromFields(" 100", "5", "6", error);
  ASSERT_TRUE(o);
  EXPECT_EQ(o->start, 100);
  EXPECT_EQ(o->increment, 5);
  EXPECT_EQ(o->maxDigits, 6);
  EXPECT_FALSE(ResequenceOptionsFromFields("10", "1.5", "4", error));
  EXPECT_EQ(error, "'1.5' is not a valid whole number");
  EXPECT_FALSE(ResequenceOptionsFromFields("", "10", "4", error));
  EXPECT_FALSE(ResequenceOptionsFromFields("10", "10", "99999999999", error));
  // A negative number would write "N-6", which neither a control nor a second renumbering reads.
  EXPECT_FALSE(ResequenceOptionsFromFields("-6", "10", "4", error));
  EXPECT_EQ(error, "Block numbers cannot be negative");
  EXPECT_FALSE(ResequenceOptionsFromFields("10", "-10", "4", error));
}

TEST(Resequence, HugeDigitCountsStayBounded) {
  ResequenceOptions o;
  o.maxDigits = 2000000000;
  o.leadingZeros = true;
  o.start = 2000000000;
  o.increment = 2000000000;
  Lines lines(2000, "G1");
  ResequenceLines(lines, o);
  for (const auto& l : lines) EXPECT_LE(l.size(), 24u);
}

}  // namespace
}  // namespace quill
