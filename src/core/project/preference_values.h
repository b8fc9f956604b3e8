// The value forms of the preferences file: integers (decimal, or hexadecimal after "$" or "0x"),
// booleans, colours by name or in the "$00BBGGRR" form, and floats.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "job/preferences.h"

namespace quill {

// A whole 32-bit integer: optional sign, then decimal digits, or hexadecimal digits after "$" or "0x"
// (up to eight, read as the 32-bit pattern); nothing after.
std::optional<int> PreferenceInt(std::string_view text);
// A colour's name ("clAqua", any case) or its number.
std::optional<Color> PreferenceColor(std::string_view text);
// A finite decimal number.
std::optional<double> PreferenceFloat(std::string_view text);

// The colour's name when it has one, otherwise "$" and eight upper-case hexadecimal digits.
std::string ColorText(Color c);

}  // namespace quill
