// The line grammar of profile (INI) files: what one line of the file is, and the value a reader sees.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

enum class ProfileLineKind { Other, Section, Key };

struct ProfileLine {
  ProfileLineKind kind = ProfileLineKind::Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed (Key only)
};

// Classifies one line (without its line ending). A line starting with ';' is a comment; a key line needs
// a non-empty name before its '='.
ProfileLine ParseProfileLine(std::string_view line);

bool ProfileNamesEqual(std::string_view a, std::string_view b);  // ASCII, without regard to case

// Splits file text at CR LF, CR or LF; a final line ending does not start another line.
std::vector<std::string> SplitProfileLines(std::string_view text);

// The value as a reader gets it: one pair of enclosing quotes removed, cut at 254 characters.
std::string ProfileValue(std::string_view raw);

// Windows profile integers: optional sign and leading decimal digits; no digits reads as 0.
int ProfileInt(std::string_view value);

}  // namespace quill
