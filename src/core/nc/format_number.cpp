#include "nc/format_number.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace quill {

namespace {

// A machine file may hold any digit counts; these bounds keep one word from growing without limit.
constexpr int MaxDigitsLeft = 32;
constexpr int MaxDigitsRight = 16;

// The digits of a non-negative value rounded to r decimals, split at the point: [whole, wholeEnd) and
// [fraction, fractionEnd).  A fraction that rounds up to a whole carries into the whole part (0.99996
// with 4 decimals is 1).
struct Digits {
  char text[FixedTextRoom];
  const char* whole;
  const char* wholeEnd;
  const char* fraction;
  const char* fractionEnd;
};

void SplitDigits(double a, int r, Digits& d) {
  d.whole = d.text;
  if (r == 0) {
    // The whole part alone, rounded half to even on its fraction (0.5 stays, 0.6 carries).
    double whole = std::trunc(a);
    if (a - whole > 0.5) whole += 1.0;
    d.wholeEnd = d.fraction = d.fractionEnd = WriteFixed(d.text, whole, 0);
    return;
  }
  // With decimals, the whole part is even in the scaled value, so rounding the value in one piece
  // rounds its fraction exactly as rounding the fraction alone would, carry included.
  d.fractionEnd = WriteFixed(d.text, a, r);
  d.fraction = d.fractionEnd - r;
  d.wholeEnd = d.fraction - 1;
}

const char* StripTrailingZeros(const char* from, const char* end) {
  while (end > from && end[-1] == '0') --end;
  return end;
}

char* Copy(char* out, const char* from, const char* end) {
  const auto n = static_cast<size_t>(end - from);
  std::memcpy(out, from, n);
  return out + n;
}

char* PadLeft(char* out, const Digits& d, int width) {
  const int pad = width - static_cast<int>(d.wholeEnd - d.whole);
  if (pad > 0) {
    std::memset(out, '0', static_cast<size_t>(pad));
    out += pad;
  }
  return Copy(out, d.whole, d.wholeEnd);
}

// "1.25", ".25", "12.0", "0".
char* WriteDecimal(char* out, const Digits& d) {
  const char* fractionEnd = StripTrailingZeros(d.fraction, d.fractionEnd);
  const bool zeroWhole = d.wholeEnd - d.whole == 1 && *d.whole == '0';
  if (fractionEnd == d.fraction) {
    if (zeroWhole) {
      *out++ = '0';
      return out;
    }
    out = Copy(out, d.whole, d.wholeEnd);
    std::memcpy(out, ".0", 2);
    return out + 2;
  }
  if (!zeroWhole) out = Copy(out, d.whole, d.wholeEnd);
  *out++ = '.';
  return Copy(out, d.fraction, fractionEnd);
}

}  // namespace

char* WriteNumber(char* out, int format, int digitsLeft, int digitsRight, double value) {
  if (!std::isfinite(value)) value = 0.0;
  const int n = std::clamp(digitsLeft, 0, MaxDigitsLeft);
  const int r = std::clamp(digitsRight, 0, MaxDigitsRight);
  if (value < 0) *out++ = '-';
  Digits d;
  SplitDigits(std::fabs(value), r, d);
  switch (format) {
    case FmtLeadingZeros:
      out = PadLeft(out, d, n);
      return Copy(out, d.fraction, StripTrailingZeros(d.fraction, d.fractionEnd));
    case FmtTrailingZeros:
      if (!(d.wholeEnd - d.whole == 1 && *d.whole == '0')) out = Copy(out, d.whole, d.wholeEnd);
      return Copy(out, d.fraction, d.fractionEnd);
    case FmtLeadingTrailing:
      out = PadLeft(out, d, n);
      return Copy(out, d.fraction, d.fractionEnd);
    default: return WriteDecimal(out, d);
  }
}

std::string FormatNumber(int format, int digitsLeft, int digitsRight, double value) {
  char text[NumberTextRoom];
  return std::string(text, WriteNumber(text, format, digitsLeft, digitsRight, value));
}

}  // namespace quill
