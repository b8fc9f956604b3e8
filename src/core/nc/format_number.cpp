#include "nc/format_number.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "mathlib/scaled_digits.h"

namespace quill {

namespace {

// A machine file may hold any digit counts; these bounds keep one word from growing without limit.
constexpr int MaxDigitsLeft = 32;
constexpr int MaxDigitsRight = 16;

// The whole part and the fraction of a (not negative) whose value scaled by unit is scaled.  The whole
// part comes from the value itself, moved up by one when the fraction carried (0.99996 with 4 decimals
// is 1): no division.
void SplitScaled(double a, uint64_t scaled, uint64_t unit, uint64_t& whole, uint64_t& fraction) {
  whole = static_cast<uint64_t>(a);
  fraction = scaled - whole * unit;
  if (fraction >= unit) [[unlikely]] {
    ++whole;
    fraction -= unit;
  }
}

// How many of the r digits of fraction are left when its trailing zeros are dropped.
int TrimmedDecimals(uint64_t fraction, int r) {
  int kept = r;
  for (; kept > 0 && fraction % 10 == 0; --kept) fraction /= 10;
  return kept;
}

// Numbers below 10^8 scaled (below 10,000 with 4 decimals) are nearly every word of a program.
constexpr int ShortDecimals = 7;
constexpr double ShortLimit = 99999999;
constexpr double kShortTens[ShortDecimals + 1] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7};

// Out of line, as the general path below: the short path stays small.
[[gnu::noinline]] bool ScaleExactly(double a, int r, uint64_t& scaled) {
  return ScaledMagnitude(a, r, scaled);
}

// a (not negative) times 10^r (1 to 7) rounded half to even, when that is below 10^8.  There the
// product in floating point lies within 2^-27 of the exact one, so it rounds the same way unless its
// fraction is within 2^-26 of one half; those few are rounded in exact arithmetic.
bool ScaleShort(double a, int r, uint64_t& scaled) {
  const double p = a * kShortTens[r];
  if (!(p < ShortLimit)) return false;
  const auto whole = static_cast<uint64_t>(p);
  const double beyondHalf = p - static_cast<double>(whole) - 0.5;
  if (std::fabs(beyondHalf) > 0x1p-26) {
    scaled = whole + static_cast<uint64_t>(beyondHalf > 0);
    return true;
  }
  return ScaleExactly(a, r, scaled);
}

// A value scaled to R decimals below 10^8: its whole part and its fraction as numbers.  The decimals are
// a constant, so that every division by a power of ten is a multiplication.
template <int R>
class ShortDigits {
 public:
  ShortDigits(double a, uint64_t scaled) { SplitScaled(a, scaled, kPowersOfTen[R], whole_, fraction_); }
  static int Decimals() { return R; }
  // Most whole parts are a digit or two: two comparisons before the general count.
  int WholeLength() const { return whole_ < 10 ? 1 : whole_ < 100 ? 2 : DigitCount(whole_); }
  bool ZeroWhole() const { return whole_ == 0; }
  int KeptWithoutTrailingZeros() const { return TrimmedDecimals(fraction_, R); }
  // The whole part padded with zeros to length.
  char* PutWhole(char* out, int length) const {
    WriteDigitsBefore(out + length, whole_, length);
    return out + length;
  }
  // The first kept of the R digits of the fraction; the others are written too, past the end.
  char* PutFraction(char* out, int kept) const {
    WriteDigitsBefore(out + R, fraction_, R);
    return out + kept;
  }

 private:
  uint64_t whole_ = 0, fraction_ = 0;
};

// Any other value rounded to r decimals: the whole part's digits as text, so that any size fits, and
// the r digits of its fraction.
class LongDigits {
 public:
  LongDigits(double a, int r) : r_(r) {
    uint64_t scaled = 0;
    if (r > 0 && ScaledMagnitude(a, r, scaled)) {
      uint64_t whole = 0;
      SplitScaled(a, scaled, kPowersOfTen[r], whole, fraction_);
      wholeEnd_ = text_ + sizeof text_;
      whole_ = WriteDigitsBefore(text_ + sizeof text_, whole, 1);
      return;
    }
    whole_ = text_;
    if (r == 0) {
      // The whole part alone, rounded half to even on its fraction (0.5 stays, 0.6 carries).
      double whole = std::trunc(a);
      if (a - whole > 0.5) whole += 1.0;
      wholeEnd_ = WriteFixed(text_, whole, 0);
      return;
    }
    // Too large for the shortcut: the general writer, whose whole part is even in the scaled value, so
    // rounding the value in one piece rounds its fraction exactly as rounding the fraction alone would.
    const char* end = WriteFixed(text_, a, r);
    wholeEnd_ = end - r - 1;
    for (const char* p = end - r; p < end; ++p) fraction_ = fraction_ * 10 + static_cast<uint64_t>(*p - '0');
  }
  int Decimals() const { return r_; }
  int WholeLength() const { return static_cast<int>(wholeEnd_ - whole_); }
  bool ZeroWhole() const { return WholeLength() == 1 && *whole_ == '0'; }
  int KeptWithoutTrailingZeros() const { return TrimmedDecimals(fraction_, r_); }
  char* PutWhole(char* out, int length) const {
    for (int pad = length - WholeLength(); pad > 0; --pad) *out++ = '0';
    for (const char* p = whole_; p < wholeEnd_; ++p) *out++ = *p;
    return out;
  }
  // The first kept of the fraction's digits.
  char* PutFraction(char* out, int kept) const {
    if (kept == 0) return out;
    WriteDigitsBefore(out + kept, fraction_ / kPowersOfTen[r_ - kept], kept);
    return out + kept;
  }

 private:
  char text_[FixedTextRoom];
  const char* whole_;
  const char* wholeEnd_;
  uint64_t fraction_ = 0;
  int r_;
};

// The word's body in the machine's format from the rounded value's digits.  Formats 1 and 2 drop the
// fraction's trailing zeros.
template <typename Digits>
char* Arrange(char* out, int format, int width, const Digits& d) {
  switch (format) {
    case FmtLeadingZeros:
      out = d.PutWhole(out, std::max(d.WholeLength(), width));
      return d.PutFraction(out, d.KeptWithoutTrailingZeros());
    case FmtLeadingTrailing: return d.PutFraction(d.PutWhole(out, std::max(d.WholeLength(), width)), d.Decimals());
    case FmtTrailingZeros:
      if (!d.ZeroWhole()) out = d.PutWhole(out, d.WholeLength());
      return d.PutFraction(out, d.Decimals());
    default: {  // "1.25", ".25", "12.0", "0"
      const bool zeroWhole = d.ZeroWhole();
      if (!zeroWhole) out = d.PutWhole(out, d.WholeLength());
      *out++ = '.';
      const int kept = d.KeptWithoutTrailingZeros();
      if (kept > 0) return d.PutFraction(out, kept);
      if (zeroWhole) --out;  // no digit at all: the value is "0"
      *out++ = '0';
      return out;
    }
  }
}

template <int R>
char* WriteShort(char* out, int format, int width, double a, uint64_t scaled) {
  return Arrange(out, format, width, ShortDigits<R>(a, scaled));
}

[[gnu::noinline]] char* WriteLong(char* out, int format, int width, int r, double a) {
  return Arrange(out, format, width, LongDigits(a, r));
}

}  // namespace

char* WriteNumber(char* out, int format, int digitsLeft, int digitsRight, double value) {
  if (!std::isfinite(value)) value = 0.0;
  const int n = std::clamp(digitsLeft, 0, MaxDigitsLeft);
  const int r = std::clamp(digitsRight, 0, MaxDigitsRight);
  if (value < 0) *out++ = '-';
  const double a = std::fabs(value);
  uint64_t scaled = 0;
  if (r > 0 && r <= ShortDecimals && ScaleShort(a, r, scaled)) {
    switch (r) {
      case 1: return WriteShort<1>(out, format, n, a, scaled);
      case 2: return WriteShort<2>(out, format, n, a, scaled);
      case 3: return WriteShort<3>(out, format, n, a, scaled);
      case 4: return WriteShort<4>(out, format, n, a, scaled);
      case 5: return WriteShort<5>(out, format, n, a, scaled);
      case 6: return WriteShort<6>(out, format, n, a, scaled);
      default: return WriteShort<7>(out, format, n, a, scaled);
    }
  }
  return WriteLong(out, format, n, r, a);
}

std::string FormatNumber(int format, int digitsLeft, int digitsRight, double value) {
  char text[NumberTextRoom];
  return std::string(text, WriteNumber(text, format, digitsLeft, digitsRight, value));
}

}  // namespace quill
