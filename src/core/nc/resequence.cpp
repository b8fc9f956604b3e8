#include "nc/resequence.h"

#include <algorithm>
#include <charconv>

namespace quill {

namespace {

// Numbers stay within 18 digits, so adding an int increment can never overflow.
constexpr int MaxNumberDigits = 18;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number at the start of a line: its old text (letter and digits), its letter, and whether the
// line is a block-delete ("/") block.  Empty old text: the line has no number of its own.
struct OldNumber {
  std::string text;
  char letter = 'N';
  bool blockDelete = false;
};

bool IsNumberLetter(char c, bool oBlocks) {
  return c == '/' || c == 'H' || c == 'N' || (oBlocks && c == 'O');
}

OldNumber ReadOldNumber(const std::string& line, bool removing) {
  OldNumber old;
  size_t digitsAt = 1;
  if (line[0] == '/') {
    old.blockDelete = true;
    old.text = "/";
    if (line.size() > 1 && (line[1] == 'H' || line[1] == 'N' || line[1] == 'O')) {
      old.letter = line[1];
      old.text += line[1];
      digitsAt = 2;
    }
  } else {
    old.letter = line[0];
    old.text = line.substr(0, 1);
  }
  size_t end = digitsAt;
  while (end < line.size() && (IsDigit(line[end]) || (removing && line[end] == ' '))) ++end;
  old.text.append(line, digitsAt, end - digitsAt);
  return old;
}

std::string NewNumberText(long long& n, const ResequenceOptions& o, const OldNumber& old) {
  const int width = std::clamp(o.maxDigits, 0, MaxNumberDigits);
  std::string digits = std::to_string(n);
  if (static_cast<int>(digits.size()) > width) {
    n = o.increment;
    digits = std::to_string(n);
  }
  if (o.leadingZeros && static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
  n += o.increment;
  std::string text = old.blockDelete ? "/" : "";
  // Taking the numbers off keeps the block-delete mark: the block must still be skippable.
  if (!o.removeAll) text += old.letter + digits;
  return text;
}

std::optional<int> WholeNumber(const std::string& field) {
  size_t b = field.find_first_not_of(' ');
  size_t e = field.find_last_not_of(' ');
  if (b == std::string::npos) return std::nullopt;
  const char* first = field.data() + b;
  const char* last = field.data() + e + 1;
  if (*first == '+') ++first;
  int v = 0;
  auto res = std::from_chars(first, last, v);
  if (res.ec != std::errc() || res.ptr != last) return std::nullopt;
  return v;
}

}  // namespace

std::optional<ResequenceOptions> ResequenceOptionsFromFields(const std::string& start, const std::string& increment,
                                                             const std::string& maxDigits, std::string& error) {
  ResequenceOptions o;
  for (const std::string* field : {&start, &increment, &maxDigits}) {
    if (!WholeNumber(*field)) {
      error = "'" + *field + "' is not a valid whole number";
      return std::nullopt;
    }
  }
  o.start = *WholeNumber(start);
  o.increment = *WholeNumber(increment);
  o.maxDigits = *WholeNumber(maxDigits);
  // "N-10" is no block number a control reads, nor one a second renumbering would find again.
  if (o.start < 0 || o.increment < 0) {
    error = "Block numbers cannot be negative";
    return std::nullopt;
  }
  return o;
}

void ResequenceLines(std::vector<std::string>& lines, const ResequenceOptions& options) {
  long long n = options.start;
  for (std::string& line : lines) {
    if (line.empty()) continue;
    OldNumber old;
    if (IsNumberLetter(line[0], options.oBlocks)) {
      old = ReadOldNumber(line, options.removeAll);
    } else if (options.skipChars.find(line[0]) != std::string::npos) {
      continue;
    }
    line.replace(0, old.text.size(), NewNumberText(n, options, old));
  }
}

}  // namespace quill
