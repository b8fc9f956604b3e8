#include "mathlib/number_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(FormatFixed, FixedDecimalsNoExponentNoNegativeZero) {
  EXPECT_EQ(FormatFixed(0.1, 16), "0.1000000000000000");
  EXPECT_EQ(FormatFixed(-0.05, 16), "-0.0500000000000000");
  EXPECT_EQ(FormatFixed(3, 10), "3.0000000000");
  EXPECT_EQ(FormatFixed(1e20, 2), "100000000000000000000.00");
  EXPECT_EQ(FormatFixed(-0.0, 4), "0.0000");
  EXPECT_EQ(FormatFixed(-0.000001, 5), "0.00000");
  EXPECT_EQ(FormatFixed(2.5, 0), "2");
  EXPECT_EQ(FormatFixed(NAN, 3), "0.000");
}

TEST(FormatFixed, IgnoresACommaLocale) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  std::string saved = old ? old : "C";
  ASSERT_TRUE(std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8"))
      << "no comma locale: scripts/deps.sh --tests makes de_DE.UTF-8";
  EXPECT_EQ(FormatFixed(0.5, 3), "0.500");
  EXPECT_EQ(StrictToDouble("2.25").value_or(0), 2.25);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(FloatToText, FifteenDecimalsAndStripping) {
  EXPECT_EQ(FloatToText(true, 100), "100.");
  EXPECT_EQ(FloatToText(true, 2.5), "2.5");
  EXPECT_EQ(FloatToText(false, 0.5), "0.500000000000000");
}

TEST(StrictToDouble, AcceptsNumbersAndPointsAtTheFirstBadCharacter) {
  int bad = 0;
  EXPECT_EQ(StrictToDouble(" 1.5e2").value_or(0), 150);
  EXPECT_EQ(StrictToDouble("-.5").value_or(0), -0.5);
  EXPECT_EQ(StrictToDouble("7.").value_or(0), 7);
  EXPECT_FALSE(StrictToDouble("1,5", &bad));
  EXPECT_EQ(bad, 2);
  EXPECT_FALSE(StrictToDouble("", &bad));
  EXPECT_EQ(bad, 1);
  EXPECT_FALSE(StrictToDouble("12 ", &bad));
  EXPECT_EQ(bad, 3);
  EXPECT_FALSE(StrictToDouble("1e", &bad));
  EXPECT_EQ(bad, 3);
  EXPECT_TRUE(std::isinf(StrictToDouble("1e400").value_or(0)));
  EXPECT_EQ(StrictToDouble("1e-400").value_or(1), 0);
}

TEST(TextToDouble, WarnsWithTheTextAndPositionAndGivesZero) {
  TestUi ui;
  EXPECT_EQ(TextToDouble(ui, "2.5"), 2.5);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(TextToDouble(ui, "2x5"), 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Integer/Double String Conversion Error\nS = [2x5]\nEr = 2");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Warning);
  EXPECT_EQ(ui.messages[0].buttons, unsigned{BtnOk});
}

TEST(ReadFields, AnyNotationAndBlanks) {
  std::string_view s = "  12  -3.5e1\t+4 x";
  EXPECT_EQ(ReadInt(s).value_or(0), 12);
  EXPECT_EQ(ReadReal(s).value_or(0), -35);
  EXPECT_EQ(ReadReal(s).value_or(0), 4);
  EXPECT_FALSE(ReadReal(s));
  std::string_view inf = "inf";
  EXPECT_FALSE(ReadReal(inf));
}

// Reals read from the work files, in plain decimals or not: the value of the general converter to the
// bit, and the same characters taken.
TEST(ReadFields, RealsAsTheConverterReadsThem) {
  std::mt19937_64 random(2008);
  const std::string alphabet = "0123456789.-eE+x ";
  for (int i = 0; i < 200000; ++i) {
    std::string text;
    if (i % 2) {
      char buf[64];  // the way the writers write them
      const double x = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 80) - 60);
      std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(random() % 17), random() % 2 ? x : -x);
      text = buf;
      if (random() % 4 == 0) text += alphabet[random() % alphabet.size()];
    } else {
      for (size_t n = random() % 25; n > 0; --n) text += alphabet[random() % alphabet.size()];
    }
    std::string_view s = text, t = text;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    if (!t.empty() && t.front() == '+') t.remove_prefix(1);
    double expected = 0;
    const auto res = std::from_chars(t.data(), t.data() + t.size(), expected);
    const auto read = ReadReal(s);
    if (res.ec != std::errc() || !std::isfinite(expected)) {
      ASSERT_FALSE(read) << text;
      continue;
    }
    ASSERT_TRUE(read) << text;
    ASSERT_EQ(std::memcmp(&*read, &expected, sizeof expected), 0) << text;
    ASSERT_EQ(s.data(), res.ptr) << text;
  }
}

}  // namespace
}  // namespace quill
