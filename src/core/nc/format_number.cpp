#include "nc/format_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quill {

namespace {

// A machine file may hold any digit counts; these bounds keep one word from growing without limit.
constexpr int MaxDigitsLeft = 32;
constexpr int MaxDigitsRight = 16;

constexpr double kTens[MaxDigitsRight + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7, 1e8,
                                              1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16};

// a (not negative) times 10^r rounded half to even, exactly as the digits of the exact binary value
// round; false for a value too large for this shortcut.  The product's rounding error comes exactly from
// a fused multiply-add, so deciding up or down looks at the exact product, ties included.
bool ScaleExactly(double a, int r, uint64_t& scaled) {
  const double p = a * kTens[r];
  if (!(p < 4503599627370496.0)) return false;  // 2^52: every fraction of p still counts
  if (p < 0.5) {  // the exact product is below one half too
    scaled = 0;
    return true;
  }
  const double error = std::fma(a, kTens[r], -p);  // a * 10^r = p + error, to the bit
  scaled = static_cast<uint64_t>(p);                // p's whole part
  // How far the exact product lies beyond the half: exact up to its sign, which is all that counts.
  const double beyondHalf = (p - static_cast<double>(scaled) - 0.5) + error;
  // Without branches: which way a value rounds follows no pattern the processor could learn.
  const auto up = static_cast<uint64_t>(beyondHalf > 0), tie = static_cast<uint64_t>(beyondHalf == 0);
  scaled += up | (tie & scaled & 1);
  return true;
}

// A rounded value's parts: the whole part's digits (text, so that any size fits) and the r digits of
// its fraction.
struct Parts {
  char text[FixedTextRoom];
  const char* whole;
  const char* wholeEnd;
  uint64_t fraction;
};

// The parts of a (not negative) rounded to r decimals.  A fraction that rounds up to a whole carries
// into the whole part (0.99996 with 4 decimals is 1).
void SplitParts(double a, int r, Parts& parts) {
  uint64_t scaled = 0;
  if (r > 0 && ScaleExactly(a, r, scaled)) {
    // The whole part from the value itself, moved up by one when the fraction carried: no division.
    const auto unit = static_cast<uint64_t>(kTens[r]);
    auto whole = static_cast<uint64_t>(a);
    parts.fraction = scaled - whole * unit;
    if (parts.fraction >= unit) {
      ++whole;
      parts.fraction -= unit;
    }
    parts.wholeEnd = parts.text + sizeof parts.text;
    parts.whole = WriteDigitsBefore(parts.text + sizeof parts.text, whole, 1);
    return;
  }
  parts.whole = parts.text;
  parts.fraction = 0;
  if (r == 0) {
    // The whole part alone, rounded half to even on its fraction (0.5 stays, 0.6 carries).
    double whole = std::trunc(a);
    if (a - whole > 0.5) whole += 1.0;
    parts.wholeEnd = WriteFixed(parts.text, whole, 0);
    return;
  }
  // Too large for the shortcut: the general writer, whose whole part is even in the scaled value, so
  // rounding the value in one piece rounds its fraction exactly as rounding the fraction alone would.
  const char* end = WriteFixed(parts.text, a, r);
  parts.wholeEnd = end - r - 1;
  for (const char* p = end - r; p < end; ++p) parts.fraction = parts.fraction * 10 + static_cast<uint64_t>(*p - '0');
}

// Words are a few characters: a plain loop beats a call to the library's copy.
char* Copy(char* out, const char* from, const char* end) {
  while (from < end) *out++ = *from++;
  return out;
}

char* PadLeft(char* out, const Parts& parts, int width) {
  for (int pad = width - static_cast<int>(parts.wholeEnd - parts.whole); pad > 0; --pad) *out++ = '0';
  return Copy(out, parts.whole, parts.wholeEnd);
}

// The first count of the fraction's r digits.
char* PutFraction(char* out, uint64_t fraction, int count) {
  if (count == 0) return out;
  WriteDigitsBefore(out + count, fraction, count);
  return out + count;
}

}  // namespace

char* WriteNumber(char* out, int format, int digitsLeft, int digitsRight, double value) {
  if (!std::isfinite(value)) value = 0.0;
  const int n = std::clamp(digitsLeft, 0, MaxDigitsLeft);
  const int r = std::clamp(digitsRight, 0, MaxDigitsRight);
  if (value < 0) *out++ = '-';
  Parts parts;
  SplitParts(std::fabs(value), r, parts);
  const bool zeroWhole = parts.wholeEnd - parts.whole == 1 && *parts.whole == '0';
  // Formats 1 and 2 drop the fraction's trailing zeros.
  int kept = r;
  uint64_t fraction = parts.fraction;
  if (format != FmtTrailingZeros && format != FmtLeadingTrailing) {
    for (; kept > 0 && fraction % 10 == 0; --kept) fraction /= 10;
  }
  switch (format) {
    case FmtLeadingZeros: return PutFraction(PadLeft(out, parts, n), fraction, kept);
    case FmtTrailingZeros:
      if (!zeroWhole) out = Copy(out, parts.whole, parts.wholeEnd);
      return PutFraction(out, fraction, kept);
    case FmtLeadingTrailing: return PutFraction(PadLeft(out, parts, n), fraction, kept);
    default:  // "1.25", ".25", "12.0", "0"
      if (kept == 0) {
        if (zeroWhole) {
          *out++ = '0';
          return out;
        }
        out = Copy(out, parts.whole, parts.wholeEnd);
        *out++ = '.';
        *out++ = '0';
        return out;
      }
      if (!zeroWhole) out = Copy(out, parts.whole, parts.wholeEnd);
      *out++ = '.';
      return PutFraction(out, fraction, kept);
  }
}

std::string FormatNumber(int format, int digitsLeft, int digitsRight, double value) {
  char text[NumberTextRoom];
  return std::string(text, WriteNumber(text, format, digitsLeft, digitsRight, value));
}

}  // namespace quill
