// Fixed-notation numbers written straight into buffers: the same digits as printf's and the standard
// library's exact conversions at every magnitude and count of decimals, exact ties to even, no minus on
// a zero.
#include "mathlib/fixed_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace quill {
namespace {

std::string Written(double x, int decimals) {
  char buf[FixedTextRoom];
  return std::string(buf, WriteFixed(buf, x, decimals));
}

std::string WithoutMinusOnZero(std::string s) {
  if (s[0] == '-' && s.find_first_not_of("0.", 1) == std::string::npos) s.erase(0, 1);
  return s;
}

std::string Charconv(double x, int decimals) {
  char buf[FixedTextRoom];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  return WithoutMinusOnZero(std::string(buf, res.ptr));
}

std::string Printf(double x, int decimals) {
  char buf[FixedTextRoom];
  const int n = std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
  return WithoutMinusOnZero(std::string(buf, n > 0 ? static_cast<size_t>(n) : 0));
}

TEST(FixedFormat, DigitsOfTheExactConversion) {
  std::mt19937_64 random(2008);
  for (int i = 0; i < 200000; ++i) {
    const int decimals = static_cast<int>(random() % 19);
    double x = 0;
    switch (i % 4) {
      case 0: {  // any bit pattern: subnormals, huge values, NaN
        const uint64_t bits = random();
        std::memcpy(&x, &bits, sizeof x);
        break;
      }
      case 1: x = std::ldexp(static_cast<double>(random() % 100000) + 0.5, -static_cast<int>(random() % 40)); break;
      case 2: x = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 120) - 100); break;
      default: x = std::uniform_real_distribution<double>(-1e4, 1e4)(random); break;
    }
    if (!std::isfinite(x)) x = 0;
    const std::string written = Written(x, decimals);
    ASSERT_EQ(written, Printf(x, decimals)) << x << " with " << decimals << " decimals";
    ASSERT_EQ(written, Charconv(x, decimals)) << x << " with " << decimals << " decimals";
  }
}

TEST(FixedFormat, TiesZerosAndValuesNoFileCarries) {
  EXPECT_EQ(Written(0.5, 0), "0");
  EXPECT_EQ(Written(1.5, 0), "2");
  EXPECT_EQ(Written(2.5, 0), "2");
  EXPECT_EQ(Written(0.125, 2), "0.12");
  EXPECT_EQ(Written(0.375, 2), "0.38");
  EXPECT_EQ(Written(-2.5, 0), "-2");
  EXPECT_EQ(Written(1.0000005, 6), "1.000001");  // just above the tie it looks like
  EXPECT_EQ(Written(0.0000005, 6), "0.000000");  // just below it
  EXPECT_EQ(Written(-0.0, 3), "0.000");
  EXPECT_EQ(Written(-4e-7, 6), "0.000000");
  EXPECT_EQ(Written(-6e-7, 6), "-0.000001");
  EXPECT_EQ(Written(std::numeric_limits<double>::infinity(), 2), "0.00");
  EXPECT_EQ(Written(std::nan(""), 1), "0.0");
  EXPECT_EQ(Written(1e20, 1), "100000000000000000000.0");
  EXPECT_EQ(Written(-123.456, 10), "-123.4560000000");
  char buf[32];
  EXPECT_EQ(std::string(buf, WriteInteger(buf, -9223372036854775807LL - 1)), "-9223372036854775808");
  EXPECT_EQ(std::string(buf, WriteInteger(buf, 0)), "0");
}

// What ReadFixed accepts it reads to the standard converter's bits; the rest it leaves to that converter.
TEST(FixedFormat, PlainNumbersReadToTheConvertersBits) {
  std::mt19937_64 rng(22);
  for (int i = 0; i < 200000; ++i) {
    const double x = std::ldexp(static_cast<double>(rng() >> 11), static_cast<int>(rng() % 80) - 60);
    const int decimals = static_cast<int>(rng() % 23);
    char text[FixedTextRoom];
    char* end = WriteFixed(text, i % 2 ? -x : x, decimals);
    double fast = 7, slow = 0;
    const char* stop = ReadFixed(text, end, fast);
    std::from_chars(text, end, slow);
    if (!stop) continue;  // too many digits: the general converter's
    ASSERT_EQ(stop, end) << text;
    ASSERT_EQ(std::memcmp(&fast, &slow, sizeof fast), 0) << std::string(text, end);
  }
  auto read = [](const std::string& s, double& v) { return ReadFixed(s.data(), s.data() + s.size(), v); };
  double v = 7;
  EXPECT_NE(read("-0.000", v), nullptr);
  EXPECT_TRUE(std::signbit(v) && v == 0);
  EXPECT_NE(read(".5", v), nullptr);
  EXPECT_EQ(v, 0.5);
  EXPECT_NE(read("5.", v), nullptr);
  EXPECT_EQ(v, 5);
  const std::string stops = "12.5e3";
  EXPECT_EQ(read(stops, v), stops.data() + 4);  // the caller sees what follows
  v = 7;
  for (const char* refused : {"", "-", ".", "+1", " 1", "12345678901234567890", "9007199254740993", "1.00000000000000000000001"}) {
    EXPECT_EQ(read(refused, v), nullptr) << refused;
  }
  EXPECT_EQ(v, 7);  // untouched
}

}  // namespace
}  // namespace quill
