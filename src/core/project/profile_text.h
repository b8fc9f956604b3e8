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

// The text stored for a value so that a reader gets it back: in quotes when it has blanks at either end
// or enclosing quotes of its own, which reading would otherwise take off.
std::string ProfileStoredValue(const std::string& value);

// Positions in a file's lines.  A section runs from its header to the next header.
inline constexpr size_t NoLine = static_cast<size_t>(-1);
size_t FindProfileSection(const std::vector<std::string>& lines, std::string_view section);  // header or NoLine
size_t ProfileSectionEnd(const std::vector<std::string>& lines, size_t header);              // one past its end
size_t FindProfileKey(const std::vector<std::string>& lines, size_t header, std::string_view key);

// Sets key=value in the lines: replaced in place, else added after the section's last non-blank line,
// else added with a new section at the end.  The value must hold no line break.
void SetProfileValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                     const std::string& value);

// Windows profile integers: optional sign and leading decimal digits; no digits reads as 0.
int ProfileInt(std::string_view value);

}  // namespace quill
