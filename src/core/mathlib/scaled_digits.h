// The exact decimal digits of a binary value, shared by the writers of work files and of NC words: the
// value scaled to its decimals in whole-number arithmetic, and its digit count.  Inline: every number of
// every file passes through them.
#pragma once

#include <bit>
#include <cstdint>

namespace quill {

inline constexpr uint64_t kPowersOfTen[20] = {1,
                                              10,
                                              100,
                                              1000,
                                              10000,
                                              100000,
                                              1000000,
                                              10000000,
                                              100000000,
                                              1000000000,
                                              10000000000,
                                              100000000000,
                                              1000000000000,
                                              10000000000000,
                                              100000000000000,
                                              1000000000000000,
                                              10000000000000000,
                                              100000000000000000,
                                              1000000000000000000,
                                              10000000000000000000u};

// The number of decimal digits of n (1 for 0): log10 from the bit length (1233 / 4096 is just above
// log10 2), then one comparison.
inline int DigitCount(uint64_t n) {
  const int estimate = (64 - std::countl_zero(n | 1)) * 1233 >> 12;
  return estimate + 1 - ((n | 1) < kPowersOfTen[estimate]);
}

// |x| (finite) times 10^decimals (0 to 19) rounded to a whole number, half to even on the exact value;
// false when it may not fit 64 bits.  The value is taken apart into its 53-bit significand and binary
// exponent; the significand times the power of ten, shifted by the exponent in 128-bit arithmetic, is
// the exact scaled value, rounded with its remainder.
inline bool ScaledMagnitude(double x, int decimals, uint64_t& scaled) {
  using u128 = unsigned __int128;
  const auto bits = std::bit_cast<uint64_t>(x);
  const int biased = static_cast<int>(bits >> 52 & 0x7FF);
  uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
  if (biased == 0 && mantissa == 0) {
    scaled = 0;
    return true;
  }
  int exponent = biased - 1075;  // |x| = mantissa * 2^exponent
  if (biased == 0) {
    exponent = -1074;  // subnormal
  } else {
    mantissa |= uint64_t{1} << 52;
  }
  const u128 product = static_cast<u128>(mantissa) * kPowersOfTen[decimals];  // below 2^117
  if (exponent >= 0) {
    if (exponent > 10) return false;
    const u128 whole = product << exponent;
    if (whole >> 64 != 0) return false;
    scaled = static_cast<uint64_t>(whole);
    return true;
  }
  const int shift = -exponent;
  if (shift >= 120) {  // far below one unit of the last decimal
    scaled = 0;
    return true;
  }
  const u128 whole = product >> shift, rest = product - (whole << shift), half = static_cast<u128>(1) << (shift - 1);
  if (whole >> 64 != 0) return false;
  scaled = static_cast<uint64_t>(whole);
  scaled += (rest > half) | ((rest == half) & (scaled & 1));  // without a branch the digits cannot foresee
  return true;
}

}  // namespace quill
