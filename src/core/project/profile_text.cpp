#include "project/profile_text.h"

#include <climits>

namespace quill {
namespace {

constexpr size_t kMaxValueChars = 254;  // a 255-character buffer with its terminator

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool Quoted(std::string_view s) {
  return s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
}

char Lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

ProfileLine ParseProfileLine(std::string_view line) {
  std::string_view s = Trim(line);
  ProfileLine out;
  if (s.empty() || s.front() == ';') return out;
  if (s.front() == '[') {
    size_t close = s.find(']');
    out.kind = ProfileLineKind::Section;
    out.name = Trim(s.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    return out;
  }
  size_t eq = s.find('=');
  if (eq == std::string_view::npos) return out;
  out.name = Trim(s.substr(0, eq));
  if (out.name.empty()) return out;
  out.kind = ProfileLineKind::Key;
  out.value = Trim(s.substr(eq + 1));
  return out;
}

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string> SplitProfileLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::string ProfileValue(std::string_view raw) {
  if (Quoted(raw)) raw = raw.substr(1, raw.size() - 2);
  return std::string(raw.substr(0, kMaxValueChars));
}

std::string ProfileStoredValue(const std::string& value) {
  bool readsBack = !Quoted(value) && Trim(value).size() == value.size();
  return readsBack ? value : "\"" + value + "\"";
}

size_t FindProfileSection(const std::vector<std::string>& lines, std::string_view section) {
  for (size_t i = 0; i < lines.size(); ++i) {
    ProfileLine line = ParseProfileLine(lines[i]);
    if (line.kind == ProfileLineKind::Section && ProfileNamesEqual(line.name, section)) return i;
  }
  return NoLine;
}

size_t ProfileSectionEnd(const std::vector<std::string>& lines, size_t header) {
  size_t i = header + 1;
  while (i < lines.size() && ParseProfileLine(lines[i]).kind != ProfileLineKind::Section) ++i;
  return i;
}

size_t FindProfileKey(const std::vector<std::string>& lines, size_t header, std::string_view key) {
  for (size_t i = header + 1; i < lines.size(); ++i) {
    ProfileLine line = ParseProfileLine(lines[i]);
    if (line.kind == ProfileLineKind::Section) break;
    if (line.kind == ProfileLineKind::Key && ProfileNamesEqual(line.name, key)) return i;
  }
  return NoLine;
}

void SetProfileValue(std::vector<std::string>& lines, const std::string& section, const std::string& key,
                     const std::string& value) {
  size_t header = FindProfileSection(lines, section);
  if (header == NoLine) {
    if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
    lines.push_back("[" + section + "]");
    lines.push_back(key + "=" + value);
    return;
  }
  size_t at = FindProfileKey(lines, header, key);
  if (at != NoLine) {
    lines[at] = std::string(ParseProfileLine(lines[at]).name) + "=" + value;
    return;
  }
  // After the section's last non-blank line, so the blank line before the next section stays.
  size_t end = ProfileSectionEnd(lines, header);
  while (end > header + 1 && Trim(lines[end - 1]).empty()) --end;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(end), key + "=" + value);
}

int ProfileInt(std::string_view value) {
  size_t i = 0;
  bool negative = false;
  if (i < value.size() && (value[i] == '-' || value[i] == '+')) negative = value[i++] == '-';
  long long n = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    n = n * 10 + (value[i] - '0');
    if (n > INT_MAX) n = static_cast<long long>(INT_MAX) + 1;  // saturate; keeps the loop overflow-free
  }
  if (negative) n = -n;
  if (n > INT_MAX) return INT_MAX;
  return n < INT_MIN ? INT_MIN : static_cast<int>(n);
}

}  // namespace quill
