#include "nc/format_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <random>
#include <string>

#include "mathlib/number_text.h"

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

// The words as the post wrote them before it formatted into buffers: whole part and fraction rounded
// apart, the fraction's carry moved into the whole part.  Programs already cut must not change a digit.
std::string WordByParts(int format, int digitsLeft, int digitsRight, double value) {
  if (!std::isfinite(value)) value = 0.0;
  const int n = std::clamp(digitsLeft, 0, 32), r = std::clamp(digitsRight, 0, 16);
  const bool negative = value < 0;
  double a = std::fabs(value);
  if (FormatFixed(a - std::trunc(a), r) == FormatFixed(1.0, r)) a = std::trunc(a) + 1.0;
  const double whole = std::trunc(a);
  std::string i = FormatFixed(whole, 0), f = r > 0 ? FormatFixed(a - whole, r).substr(2) : std::string();
  auto strip = [&f] {
    while (!f.empty() && f.back() == '0') f.pop_back();
  };
  auto pad = [&i, n] { i.insert(0, static_cast<size_t>(std::max(0, n - static_cast<int>(i.size()))), '0'); };
  if (format == FmtLeadingZeros) {
    strip();
    pad();
  } else if (format == FmtTrailingZeros) {
    if (i == "0") i.clear();
  } else if (format == FmtLeadingTrailing) {
    pad();
  } else {
    strip();
    f.insert(0, 1, '.');
    if (i == "0") i.clear();
    if (i.empty() && f == ".") f = "0";
    if (f == ".") f = ".0";
  }
  return (negative ? "-" : "") + i + f;
}

TEST(FormatNumber, SameDigitsAsRoundingWholeAndFractionApart) {
  std::vector<double> values = {
      0.0,        -0.0,      0.5,         1.5,        2.5,        -2.5,     0.00005, -0.00005,
      0.00015,    1.99995,   0.99996,     9.99995,    0.049999,   1e-300,   -1e-300, 4503599627370495.5,
      1e15,       -1e19,     1.8e308,     1e22,       123.45675,  0.125,    0.375,   -0.625,
      9999.99995, 9999.9999, -9999.99994, 99999.9995, 0.99999995, 1234567.5};
  std::mt19937_64 random(22);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-12, 20);
  for (int k = 0; k < 20000; ++k) values.push_back(unit(random) * std::pow(10.0, exponent(random)));
  for (int k = 0; k < 5000; ++k) values.push_back(std::round(unit(random) * 1e7) / 1e4 + 0.00005);  // ties
  for (double v : values) {
    for (int format = 0; format <= 5; ++format) {
      for (int right : {0, 1, 3, 4, 5, 6, 7, 8, 16, 40}) {
        ASSERT_EQ(FormatNumber(format, 3, right, v), WordByParts(format, 3, right, v))
            << v << " format " << format << " decimals " << right;
      }
    }
    // Paddings as wide as the short numbers' whole places, and wider.
    for (int format : {FmtLeadingZeros, FmtLeadingTrailing}) {
      for (int left : {0, 4, 5, 7}) {
        ASSERT_EQ(FormatNumber(format, left, 3, v), WordByParts(format, left, 3, v))
            << v << " format " << format << " left " << left;
      }
    }
  }
}

}  // namespace
}  // namespace quill
