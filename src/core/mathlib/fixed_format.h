// Fixed-notation numbers written straight into a buffer, the way every work file and NC file writes its
// reals: the digits of the value exactly rounded to the decimals (half to even on exact ties), no
// exponent, no minus sign on a value that rounds to zero, infinities and NaN as zero.  Work files hold
// tens of millions of numbers: this writes one in a few tens of nanoseconds and allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quill {

// Room a buffer needs for any number WriteFixed writes.
inline constexpr int FixedTextRoom = 400;

// Writes x with the decimals (0 to 18) at out and returns the end of what it wrote (no terminating zero).
// Digits are stored eight at a time: characters past the end, within FixedTextRoom of out, may change.
char* WriteFixed(char* out, double x, int decimals);

inline constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes n's digits so that they end at end, two at a time: at least count of them (zeros in front) and
// at least one.  Returns where they start.  Inline: every number of every file passes through it.
inline char* WriteDigitsBefore(char* end, uint64_t n, int count) {
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

// Writes the whole number n at out and returns the end.
char* WriteInteger(char* out, long long n);

// Reads plain fixed notation at the start of [p, end): an optional minus, then at most 19 digits with
// at most one point among them.  The value is the correctly rounded one, as the standard converter's,
// whenever the digits without the point make at most 2^53 and the decimals at most 22 (one exact
// division); returns where the number ends, or null (v untouched) for any other text, which the caller
// gives to the general converter.
const char* ReadFixed(const char* p, const char* end, double& v);

// Copies the n characters of a number written before (the writers of work files copy a value met again
// rather than format it twice) and returns the end.  It moves 16 characters at a time: up to 15 past the
// text may be read and written, so both places need that room; the places may overlap past the text.
char* CopyWrittenText(char* out, const char* text, int n);

}  // namespace quill
