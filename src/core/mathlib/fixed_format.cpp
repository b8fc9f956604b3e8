// Values are written from their exact scaled digits; values too large for 64 bits of them go through the
// standard library, which writes the same digits more slowly.
#include "mathlib/fixed_format.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "mathlib/scaled_digits.h"

namespace quill {

namespace {

char* WriteUnsigned(char* out, uint64_t n) {
  const int digits = DigitCount(n);
  WriteDigitsBefore(out + digits, n, digits);
  return out + digits;
}

char* WriteSlowly(char* out, double x, int decimals) {
  char buf[FixedTextRoom];
  const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
  const char* from = buf;
  if (res.ec != std::errc()) {
    *out = '0';
    return out + 1;
  }
  // A value that rounds to zero is written without its minus sign.
  bool zero = true;
  for (const char* p = buf; p < res.ptr && zero; ++p) zero = *p == '-' || *p == '0' || *p == '.';
  if (zero && *from == '-') ++from;
  const auto n = static_cast<size_t>(res.ptr - from);
  std::memcpy(out, from, n);
  return out + n;
}

// The eight decimal digits of n below 10^8, leading zeros included, as characters in a word whose lowest
// byte is the first digit: the halves, quarters and single digits are split off in lanes of one word, so
// a number is written without a loop or a branch on its digits.
uint64_t EightDigits(uint64_t n) {
  uint64_t merged = n / 10000 | n % 10000 << 32;
  uint64_t high = (merged * 10486 >> 20) & 0x0000007F0000007FULL;  // each lane / 100
  merged = high | (merged - 100 * high) << 16;
  high = (merged * 103 >> 10) & 0x000F000F000F000FULL;  // each lane / 10
  merged = high | (merged - 10 * high) << 8;
  return merged | 0x3030303030303030ULL;
}

// The last `count` (1 to 8) of the eight digits of n, stored as one word.
char* StoreDigits(char* out, uint64_t n, int count) {
  const uint64_t word = EightDigits(n) >> (8 * (8 - count));
  std::memcpy(out, &word, sizeof word);
  return out + count;
}

template <int Decimals>
char* WriteFraction(char* out, uint64_t fraction) {
  if constexpr (Decimals > 8) {
    out = WriteFraction<Decimals - 8>(out, fraction / 100000000);
    return StoreDigits(out, fraction % 100000000, 8);
  } else {
    return StoreDigits(out, fraction, Decimals);
  }
}

}  // namespace

// The decimals as a constant, so that splitting off the fraction is a multiplication.
template <int Decimals>
char* WriteScaled(char* out, uint64_t scaled) {
  constexpr uint64_t unit = kPowersOfTen[Decimals];
  const uint64_t whole = scaled / unit;
  if (whole < 100000000) {
    out = StoreDigits(out, whole, DigitCount(whole));
  } else {
    out = WriteUnsigned(out, whole);
  }
  if constexpr (Decimals > 0) {
    *out++ = '.';
    out = WriteFraction<Decimals>(out, scaled % unit);
  }
  return out;
}

char* WriteFixed(char* out, double x, int decimals) {
  if (!std::isfinite(x)) x = 0.0;  // no file of ours can carry inf or nan
  uint64_t scaled = 0;
  if (decimals < 0 || decimals > 18 || !ScaledMagnitude(x, decimals, scaled)) return WriteSlowly(out, x, decimals);
  *out = '-';  // kept when the value is below zero and does not round to zero
  out += static_cast<int>(scaled != 0) & static_cast<int>(std::signbit(x));
  switch (decimals) {  // the counts the files use
    case 3: return WriteScaled<3>(out, scaled);
    case 4: return WriteScaled<4>(out, scaled);
    case 5: return WriteScaled<5>(out, scaled);
    case 6: return WriteScaled<6>(out, scaled);
    case 8: return WriteScaled<8>(out, scaled);
    case 10: return WriteScaled<10>(out, scaled);
    case 15: return WriteScaled<15>(out, scaled);
    case 16: return WriteScaled<16>(out, scaled);
    default: break;
  }
  const uint64_t unit = kPowersOfTen[decimals];
  out = WriteUnsigned(out, scaled / unit);
  if (decimals == 0) return out;
  *out++ = '.';
  WriteDigitsBefore(out + decimals, scaled % unit, decimals);
  return out + decimals;
}

char* WriteInteger(char* out, long long n) {
  if (n < 0) {
    *out++ = '-';
    return WriteUnsigned(out, 0 - static_cast<uint64_t>(n));
  }
  return WriteUnsigned(out, static_cast<uint64_t>(n));
}

namespace {

bool EightAreDigits(uint64_t chunk) {
  return ((chunk & 0xF0F0F0F0F0F0F0F0ULL) | (((chunk + 0x0606060606060606ULL) & 0xF0F0F0F0F0F0F0F0ULL) >> 4)) ==
         0x3333333333333333ULL;
}

// The value of eight digit characters, the first in the lowest byte: pairs, then fours, then the eight.
uint64_t EightDigitsValue(uint64_t chunk) {
  chunk -= 0x3030303030303030ULL;
  chunk = chunk * 10 + (chunk >> 8);
  return (((chunk & 0x000000FF000000FFULL) * (100 + (1000000ULL << 32))) +
          (((chunk >> 16) & 0x000000FF000000FFULL) * (1 + (10000ULL << 32)))) >>
         32;
}

// Adds the digits at p to value (which wraps past 19 digits: the caller refuses those) and counts them;
// returns where they end.
const char* ReadDigits(const char* p, const char* end, uint64_t& value, int& count) {
  while (end - p >= 8) {
    uint64_t chunk;
    std::memcpy(&chunk, p, sizeof chunk);
    if (!EightAreDigits(chunk)) break;
    value = value * 100000000 + EightDigitsValue(chunk);
    count += 8;
    p += 8;
  }
  for (; p < end && *p >= '0' && *p <= '9'; ++p, ++count) value = value * 10 + static_cast<uint64_t>(*p - '0');
  return p;
}

}  // namespace

const char* ReadFixed(const char* p, const char* end, double& v) {
  static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const bool negative = p < end && *p == '-';
  p += negative;
  uint64_t whole = 0;
  int digits = 0, decimals = 0;
  p = ReadDigits(p, end, whole, digits);
  if (p < end && *p == '.') {
    const int before = digits;
    p = ReadDigits(p + 1, end, whole, digits);
    decimals = digits - before;
  }
  if (digits == 0 || digits > 19 || whole > (uint64_t{1} << 53) || decimals > 22) return nullptr;
  const double value = static_cast<double>(whole) / kExactPowers[decimals];
  v = negative ? -value : value;
  return p;
}

char* CopyWrittenText(char* out, const char* text, int n) {
  for (int i = 0; i < n; i += 16) std::memmove(out + i, text + i, 16);
  return out + n;
}

}  // namespace quill
