// Small conversions shared by the settings rules and the project file: how a field's text becomes an
// integer, and how the editor's text is counted for the per-character table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Nearest integer, halves to even, clamped to the int range (a NaN gives 0).
int RoundToInt(double x);

// A yes/no value as files hold it: "1" or "0".
inline std::string BoolText(bool on) {
  return on ? "1" : "0";
}

// A whole decimal integer: optional leading blanks, optional sign, digits, nothing after.
std::optional<int> IntegerText(std::string_view text);

// The field's number, or fallback when the text is not one (no message: for values the program
// only reads back, such as the reference frame when a project is saved).
double NumberOr(std::string_view text, double fallback);

// Characters of the editor text, a line break counting as two (carriage return, line feed).
long long EditorCharCount(const std::vector<std::string>& lines);

// The editor text as one string, line breaks as "\r\n".
std::string JoinEditorText(const std::vector<std::string>& lines);

}  // namespace quill
