#include "mathlib/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "mathlib/fixed_format.h"
#include "ui/ui.h"

namespace quill {

std::string FormatFixed(double x, int decimals) {
  char buf[FixedTextRoom];
  return std::string(buf, WriteFixed(buf, x, decimals));
}

std::string FloatToText(bool stripZeros, double x) {
  std::string s = FormatFixed(x, 15);
  if (stripZeros) {
    while (!s.empty() && s.back() == '0') s.pop_back();
  }
  return s;
}

std::string IntToText(long long n) { return std::to_string(n); }

void UpperCaseText(std::string& s) {
  for (char& c : s) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

std::string UpperCased(std::string s) {
  UpperCaseText(s);
  return s;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the valid number at the start of s (after leading blanks), or the index of the first bad
// character when the text is not one number.
size_t ScanNumber(std::string_view s, bool& ok) {
  size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  ok = digits > 0;
  if (!ok) return i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t expDigits = 0;
    while (i < s.size() && IsDigit(s[i])) ++i, ++expDigits;
    if (expDigits == 0) {
      ok = false;
      return i;
    }
  }
  ok = i == s.size();
  return i;
}

std::optional<double> Convert(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v = 0;
  auto res = std::from_chars(s.data(), s.data() + s.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Too small underflows to zero; too large is an infinity the caller can refuse.
    bool tiny = s.find("e-") != std::string_view::npos || s.find("E-") != std::string_view::npos;
    bool negative = !s.empty() && s.front() == '-';
    if (tiny) return negative ? -0.0 : 0.0;
    return negative ? -HUGE_VAL : HUGE_VAL;
  }
  if (res.ec != std::errc()) return std::nullopt;
  return v;
}

}  // namespace

std::optional<double> StrictToDouble(std::string_view s, int* badPos) {
  bool ok = false;
  size_t at = ScanNumber(s, ok);
  std::optional<double> v;
  if (ok) v = Convert(s);
  if (!v && badPos) *badPos = static_cast<int>(at) + 1;
  return v;
}

double TextToDouble(Ui& ui, std::string_view s) {
  int bad = 0;
  auto v = StrictToDouble(s, &bad);
  if (v && std::isfinite(*v)) return *v;
  ui.Show({"Integer/Double String Conversion Error\nS = [" + std::string(s) + "]\nEr = " + std::to_string(bad),
           MsgKind::Warning, BtnOk, Answer::Ok, 0, {}});
  return 0.0;
}

namespace {

void SkipBlanks(std::string_view& s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r' || s.front() == '\n')) {
    s.remove_prefix(1);
  }
}

}  // namespace

std::optional<double> ReadReal(std::string_view& s) {
  SkipBlanks(s);
  std::string_view t = s;
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  double v = 0;
  // The plain fixed notation the work files hold is read without the general converter; a number with
  // an exponent goes to the converter whole.
  const char* const end = t.data() + t.size();
  std::from_chars_result res{ReadFixed(t.data(), end, v), std::errc()};
  if (!res.ptr || (res.ptr < end && (*res.ptr == 'e' || *res.ptr == 'E'))) res = std::from_chars(t.data(), end, v);
  if (res.ec != std::errc() || !std::isfinite(v)) return std::nullopt;
  s.remove_prefix(static_cast<size_t>(res.ptr - s.data()));
  return v;
}

std::optional<long long> ReadInt(std::string_view& s) {
  SkipBlanks(s);
  std::string_view t = s;
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  long long v = 0;
  auto res = std::from_chars(t.data(), t.data() + t.size(), v);
  if (res.ec != std::errc()) return std::nullopt;
  s.remove_prefix(static_cast<size_t>(res.ptr - s.data()));
  return v;
}

}  // namespace quill
