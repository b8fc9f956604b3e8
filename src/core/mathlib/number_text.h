// Numbers to text and back, independent of the user's locale: every file the program writes uses a
// point, whatever language the desktop speaks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quill {

class Ui;

// x in fixed notation with the given decimals, no exponent, no leading blanks ("-0.5000000000").
// A value that rounds to zero is written without a minus sign.
std::string FormatFixed(double x, int decimals);
// x with 15 decimals; with stripZeros the trailing zeros go, the point stays ("100.", "2.5").
std::string FloatToText(bool stripZeros, double x);
std::string IntToText(long long n);
// ASCII upper case, other bytes untouched.
void UpperCaseText(std::string& s);
std::string UpperCased(std::string s);

// Strict conversion: optional leading blanks, sign, digits with an optional point, optional exponent,
// nothing after.  On failure returns nothing and sets badPos to the 1-based position of the first bad
// character.  A number beyond the range of a double gives an infinity.
std::optional<double> StrictToDouble(std::string_view s, int* badPos = nullptr);
// StrictToDouble that warns through the Ui ("Integer/Double String Conversion Error") and yields 0.
double TextToDouble(Ui& ui, std::string_view s);
// The number at the start of s (after blanks) in any notation, for readers of work files; advances s.
std::optional<double> ReadReal(std::string_view& s);
// A whole-number field at the start of s (after blanks); advances s.
std::optional<long long> ReadInt(std::string_view& s);

}  // namespace quill
