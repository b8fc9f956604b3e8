#include "nc/format_number.h"

#include <gtest/gtest.h>

#include <clocale>

namespace quill {
namespace {

struct Case {
  double value;
  const char* codes[4];  // formats 1, 2, 3, 4
};

TEST(FormatNumber, EveryCodeWithThreeLeftAndFourRight) {
  const Case cases[] = {
      {1.25, {"1.25", "00125", "12500", "0012500"}},
      {0.0, {"0", "000", "0000", "0000000"}},
      {0.5, {".5", "0005", "5000", "0005000"}},
      {12.0, {"12.0", "012", "120000", "0120000"}},
      {-0.25, {"-.25", "-00025", "-2500", "-0002500"}},
      {0.99996, {"1.0", "001", "10000", "0010000"}},
      {1234.5, {"1234.5", "12345", "12345000", "12345000"}},
  };
  for (const Case& c : cases) {
    for (int code = 1; code <= 4; ++code) {
      EXPECT_EQ(FormatNumber(code, 3, 4, c.value), c.codes[code - 1]) << c.value << " code " << code;
    }
  }
}

TEST(FormatNumber, NegativeValueRoundingToZeroKeepsItsSign) {
  EXPECT_EQ(FormatNumber(1, 3, 4, -0.00001), "-0");
  EXPECT_EQ(FormatNumber(2, 3, 4, -0.00001), "-000");
}

TEST(FormatNumber, RoundingCarriesIntoTheWholePart) {
  EXPECT_EQ(FormatNumber(1, 3, 2, 9.999), "10.0");
  EXPECT_EQ(FormatNumber(1, 3, 0, 2.6), "3.0");
  EXPECT_EQ(FormatNumber(2, 4, 0, 30), "0030");
  EXPECT_EQ(FormatNumber(1, 3, 4, 1.23456), "1.2346");
}

TEST(FormatNumber, UnknownCodesWriteDecimal) {
  EXPECT_EQ(FormatNumber(0, 3, 4, 1.5), "1.5");
  EXPECT_EQ(FormatNumber(7, 3, 4, -2), "-2.0");
}

TEST(FormatNumber, HostileDigitCountsStayBounded) {
  EXPECT_LE(FormatNumber(4, 1000000000, 1000000000, 1.0).size(), 64u);
  EXPECT_EQ(FormatNumber(1, -5, -5, 2.4), "2.0");
}

TEST(FormatNumber, IgnoresACommaLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8")) << "no German locale: scripts/deps.sh --tests makes de_DE.UTF-8";
  EXPECT_EQ(FormatNumber(1, 3, 4, 1.25), "1.25");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace quill
