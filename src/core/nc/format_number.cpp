#include "nc/format_number.h"

#include <algorithm>
#include <cmath>

#include "mathlib/number_text.h"

namespace quill {

namespace {

// A machine file may hold any digit counts; these bounds keep one word from growing without limit.
constexpr int MaxDigitsLeft = 32;
constexpr int MaxDigitsRight = 16;

void StripTrailingZeros(std::string& s) {
  while (!s.empty() && s.back() == '0') s.pop_back();
}

void PadLeft(std::string& s, int width) {
  if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), '0');
}

// The fraction of a written with r decimals, without its "0." (r digits; empty for r = 0).
std::string FractionDigits(double fraction, int r) {
  std::string text = FormatFixed(fraction, r);
  return r > 0 ? text.substr(2) : std::string();
}

}  // namespace

std::string FormatNumber(int format, int digitsLeft, int digitsRight, double value) {
  if (!std::isfinite(value)) value = 0.0;
  const int n = std::clamp(digitsLeft, 0, MaxDigitsLeft);
  const int r = std::clamp(digitsRight, 0, MaxDigitsRight);
  const bool negative = value < 0;
  double a = std::fabs(value);
  // A fraction that rounds up to a whole carries into the whole part (0.99996 with 4 decimals is 1).
  if (FormatFixed(a - std::trunc(a), r) == FormatFixed(1.0, r)) a = std::trunc(a) + 1.0;
  const double whole = std::trunc(a);
  std::string i = FormatFixed(whole, 0);
  std::string f = FractionDigits(a - whole, r);
  switch (format) {
    case FmtLeadingZeros:
      StripTrailingZeros(f);
      PadLeft(i, n);
      break;
    case FmtTrailingZeros:
      if (i == "0") i.clear();
      break;
    case FmtLeadingTrailing: PadLeft(i, n); break;
    default:
      StripTrailingZeros(f);
      f.insert(0, 1, '.');
      if (i == "0") i.clear();
      if (i.empty() && f == ".") f = "0";
      if (f == ".") f = ".0";
      break;
  }
  if (negative) i.insert(0, 1, '-');
  return i + f;
}

}  // namespace quill
