// The body of every numeric word in the NC output (X, Y, Z, I, J, R, F, angles): the machine's number
// format decides about the decimal point, leading and trailing zeros.
#pragma once

#include <string>

#include "mathlib/fixed_format.h"

namespace quill {

// Number format codes of FORMAT and FFORMAT.
enum NumberFormat {
  FmtDecimal = 1,          // "1.25", "-.25", "12.0"
  FmtLeadingZeros = 2,     // whole part padded to the left digits, fraction zeros dropped, no point
  FmtTrailingZeros = 3,    // no whole-part zero, every fraction digit kept, no point
  FmtLeadingTrailing = 4,  // both paddings, no point
};

// Room a buffer needs for any number WriteNumber writes.
inline constexpr int NumberTextRoom = FixedTextRoom + 40;

// digitsLeft only pads (a longer whole part is written in full); digitsRight is the number of decimals
// the value is rounded to.  Codes outside 1 ... 4 are written as decimal.  A negative value that rounds
// to zero keeps its sign ("-0").  Writes at out and returns the end (no terminating zero); allocates
// nothing, for the millions of words of a long program.  Characters past the end, within NumberTextRoom
// of out, may change.
char* WriteNumber(char* out, int format, int digitsLeft, int digitsRight, double value);

std::string FormatNumber(int format, int digitsLeft, int digitsRight, double value);

}  // namespace quill
