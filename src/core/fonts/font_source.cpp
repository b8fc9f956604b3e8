#include "fonts/font_source.h"

#include <charconv>
#include <cmath>

#include "mathlib/number_text.h"

namespace quill {

namespace {

bool Contains(std::string_view line, std::string_view word) {
  return line.find(word) != std::string_view::npos;
}

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

// '(#65)': the digits between "#" and the closing bracket.
std::optional<int> HashCode(std::string_view line) {
  std::string_view digits = line.substr(2);
  if (size_t close = digits.find(')'); close != std::string_view::npos) digits = digits.substr(0, close);
  while (!digits.empty() && digits.front() == ' ') digits.remove_prefix(1);
  while (!digits.empty() && digits.back() == ' ') digits.remove_suffix(1);
  int code = -1;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
  if (ec != std::errc() || end != digits.data() + digits.size() || code < 0 || code > 255) return std::nullopt;
  return code;
}

}  // namespace

SourceLineKind ClassifySourceLine(std::string_view line, int& code) {
  if (line.empty()) return SourceLineKind::Ignored;
  if (line[0] == '(') {
    // Three characters first: '(#)' is the character "#", not a header without digits.
    if (line.size() == 3) {
      code = static_cast<unsigned char>(line[1]);
      return SourceLineKind::Header;
    }
    if (line.size() > 1 && line[1] == '#') {
      std::optional<int> c = HashCode(line);
      if (!c) return SourceLineKind::BadHeader;
      code = *c;
      return SourceLineKind::Header;
    }
    return SourceLineKind::Ignored;
  }
  return Contains(line, "T") ? SourceLineKind::Ignored : SourceLineKind::Motion;
}

std::optional<double> AddressValue(std::string_view line, char letter) {
  size_t at = line.find(letter);
  if (at == std::string_view::npos) return std::nullopt;
  size_t end = at + 1;
  while (end < line.size() && IsNumberChar(line[end])) ++end;
  std::optional<double> v = StrictToDouble(line.substr(at + 1, end - at - 1));
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

GWord FindGWord(std::string_view line) {
  if (Contains(line, "G11")) return GWord::G11;
  if (Contains(line, "G10")) return GWord::G10;
  if (Contains(line, "G03")) return GWord::G03;
  if (Contains(line, "G02")) return GWord::G02;
  if (Contains(line, "G01")) return GWord::G01;
  if (Contains(line, "G00")) return GWord::G00;
  return GWord::None;
}

bool MovesNothing(std::string_view line) {
  return FindGWord(line) == GWord::None && line.find_first_of("XYUVIJ") == std::string_view::npos;
}

}  // namespace quill
