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

constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The plain fixed notation the work files hold ("-12.500000"), read without the general converter: a
// whole number of at most 2^53 divided by an exact power of ten is one correctly rounded division, so
// the value is the converter's to the bit.  False (nothing read) for anything else.
bool ReadPlainDecimal(const char* p, const char* end, double& v, const char*& stop) {
  const bool negative = p < end && *p == '-';
  p += negative;
  uint64_t whole = 0;
  int digits = 0, decimals = 0;
  bool point = false;
  for (; p < end; ++p) {
    if (*p >= '0' && *p <= '9') {
      if (++digits > 19) return false;
      whole = whole * 10 + static_cast<uint64_t>(*p - '0');
      decimals += point;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0 || (p < end && (*p == 'e' || *p == 'E')) || whole > (uint64_t{1} << 53) || decimals > 22) {
    return false;
  }
  v = static_cast<double>(whole) / kExactPowers[decimals];
  if (negative) v = -v;
  stop = p;
  return true;
}

}  // namespace

std::optional<double> ReadReal(std::string_view& s) {
  SkipBlanks(s);
  std::string_view t = s;
  if (!t.empty() && t.front() == '+') t.remove_prefix(1);
  double v = 0;
  std::from_chars_result res{t.data() + t.size(), std::errc()};
  if (!ReadPlainDecimal(t.data(), t.data() + t.size(), v, res.ptr)) {
    res = std::from_chars(t.data(), t.data() + t.size(), v);
  }
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
