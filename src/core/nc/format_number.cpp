#include "nc/format_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
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
  scaled += beyondHalf > 0 || (beyondHalf == 0 && (scaled & 1) != 0);
  return true;
}

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// n's digits written to end at end, two at a time (leading zeros to make up count); returns where they
// start.
char* DigitsBefore(char* end, uint64_t n, int count = 1) {
  for (; count > 2 || n >= 100; count -= 2) {
    const auto pair = static_cast<size_t>(n % 100) * 2;
    n /= 100;
    end -= 2;
    end[0] = kDigitPairs[pair];
    end[1] = kDigitPairs[pair + 1];
  }
  if (n >= 10 || count == 2) {
    end -= 2;
    end[0] = kDigitPairs[n * 2];
    end[1] = kDigitPairs[n * 2 + 1];
  } else {
    *--end = static_cast<char>('0' + n);
  }
  return end;
}

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
  uint64_t scaled = 0;
  if (ScaleExactly(a, r, scaled)) {
    // The whole part from the value itself, moved up by one when the fraction carried: no division.
    const auto unit = static_cast<uint64_t>(kTens[r]);
    auto whole = static_cast<uint64_t>(a);
    uint64_t fractionDigits = scaled - whole * unit;
    if (fractionDigits >= unit) {
      ++whole;
      fractionDigits -= unit;
    }
    // Written from the back of the buffer: the fraction's r digits, then the whole part before them.
    char* end = d.text + sizeof d.text;
    char* fraction = DigitsBefore(end, fractionDigits, r);
    d.fractionEnd = end;
    d.fraction = d.wholeEnd = fraction;
    d.whole = DigitsBefore(fraction, whole);
    return;
  }
  d.fractionEnd = WriteFixed(d.text, a, r);
  d.fraction = d.fractionEnd - r;
  d.wholeEnd = d.fraction - 1;
}

const char* StripTrailingZeros(const char* from, const char* end) {
  while (end > from && end[-1] == '0') --end;
  return end;
}

// Words are a few characters: a plain loop beats a call to the library's copy.
char* Copy(char* out, const char* from, const char* end) {
  while (from < end) *out++ = *from++;
  return out;
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
