#include "project/text_editor_rules.h"

#include <algorithm>

#include "records/atomic_file.h"
#include "records/line_reader.h"

namespace quill {
namespace {

// The 8-bit upper-case mapping: a-z and the accented small letters of the Latin-1 page.
unsigned char Upper(unsigned char c) {
  if (c >= 'a' && c <= 'z') return c - 32;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
  return c;
}

bool IsWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || c == '_' || Upper(c) != c || (c >= 'A' && c <= 'Z') ||
         (c >= 0xC0 && c <= 0xDE && c != 0xD7);
}

bool MatchesAt(const std::string& text, const std::string& what, size_t at, const FindOptions& o) {
  for (size_t i = 0; i < what.size(); ++i) {
    auto a = static_cast<unsigned char>(text[at + i]);
    auto b = static_cast<unsigned char>(what[i]);
    if (o.matchCase ? a != b : Upper(a) != Upper(b)) return false;
  }
  if (!o.wholeWord) return true;
  bool before = at > 0 && IsWordChar(static_cast<unsigned char>(text[at - 1]));
  size_t end = at + what.size();
  bool after = end < text.size() && IsWordChar(static_cast<unsigned char>(text[end]));
  return !before && !after;
}

void MapLetters(std::vector<std::string>& lines, char from, char to) {
  for (std::string& line : lines) {
    for (char& c : line) {
      if (c >= from && c <= from + 25) c = static_cast<char>(c - from + to);
    }
  }
}

}  // namespace

void UpperCaseLines(std::vector<std::string>& lines) {
  MapLetters(lines, 'a', 'A');
}

void LowerCaseLines(std::vector<std::string>& lines) {
  MapLetters(lines, 'A', 'a');
}

void ReverseLines(std::vector<std::string>& lines) {
  for (std::string& line : lines) std::reverse(line.begin(), line.end());
}

std::string CharacterSetText() {
  std::string s;
  for (int c = 33; c <= 255; ++c) s += static_cast<char>(c);
  return s;
}

std::optional<size_t> FindText(const std::string& text, const std::string& what, size_t selStart, size_t selEnd,
                               const FindOptions& options) {
  if (what.empty() || what.size() > text.size()) return std::nullopt;
  size_t last = text.size() - what.size();
  if (options.down) {
    for (size_t at = std::min(selEnd, text.size()); at <= last; ++at) {
      if (MatchesAt(text, what, at, options)) return at;
    }
    return std::nullopt;
  }
  // Upwards: the match must end before the selection starts.
  if (selStart < what.size()) return std::nullopt;
  for (size_t at = std::min(selStart - what.size(), last) + 1; at-- > 0;) {
    if (MatchesAt(text, what, at, options)) return at;
  }
  return std::nullopt;
}

bool SelectionMatches(const std::string& selected, const std::string& what) {
  return selected.size() == what.size() && MatchesAt(selected, what, 0, {true, false, false});
}

ReplaceAllResult ReplaceAllText(const std::string& text, const std::string& what, const std::string& with,
                                size_t selStart, size_t selEnd, const FindOptions& options) {
  ReplaceAllResult r;
  if (what.empty()) {
    r.text = text;
    return r;
  }
  selStart = std::min(selStart, text.size());
  selEnd = std::clamp(selEnd, selStart, text.size());
  r.text = text.substr(0, selStart);
  size_t copied = selStart;
  if (SelectionMatches(text.substr(selStart, selEnd - selStart), what)) {
    r.text += with;
    ++r.replaced;
    copied = selEnd;
  }
  FindOptions down = options;
  down.down = true;
  size_t from = selEnd;
  while (std::optional<size_t> at = FindText(text, what, from, from, down)) {
    r.text.append(text, copied, *at - copied);
    r.text += with;
    ++r.replaced;
    from = copied = *at + what.size();
  }
  r.text.append(text, copied, std::string::npos);
  return r;
}

std::string NotFoundMessage(const std::string& what) {
  return "Cannot find \"" + what + "\".";
}

std::string ModifiedQuestion(const std::string& fileName) {
  return "File " + fileName + " has been modified. Save file?";
}

std::string EditorCaption(const std::string& fileName) {
  if (fileName.empty()) return "Text to Engrave - [Untitled]";
  size_t slash = fileName.find_last_of('/');
  return "Text to Engrave - " + (slash == std::string::npos ? fileName : fileName.substr(slash + 1));
}

bool ReadTextFile(const std::string& path, std::vector<std::string>& lines) {
  LineReader in(path);
  if (!in.IsOpen()) return false;
  lines.clear();
  std::string line;
  while (in.Next(line)) lines.push_back(line);
  if (lines.empty()) lines.emplace_back();
  return true;
}

bool WriteTextFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string content;
  for (const std::string& line : lines) content += line + "\r\n";
  return WriteFileAtomically(path, content);
}

}  // namespace quill
