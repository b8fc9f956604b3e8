// Fixed-notation numbers written straight into a buffer, the way every work file and NC file writes its
// reals: the digits of the value exactly rounded to the decimals (half to even on exact ties), no
// exponent, no minus sign on a value that rounds to zero, infinities and NaN as zero.  Work files hold
// tens of millions of numbers: this writes one in a few tens of nanoseconds and allocates nothing.
#pragma once

namespace quill {

// Room a buffer needs for any number WriteFixed writes.
inline constexpr int FixedTextRoom = 400;

// Writes x with the decimals (0 to 18) at out and returns the end of what it wrote (no terminating zero).
// Digits are stored eight at a time: characters past the end, within FixedTextRoom of out, may change.
char* WriteFixed(char* out, double x, int decimals);

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
