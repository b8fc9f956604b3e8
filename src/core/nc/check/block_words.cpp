#include "nc/check/block_words.h"

#include <cctype>
#include <cmath>

#include "mathlib/number_text.h"
#include "nc/format_number.h"

namespace quill {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Removes "( ... )" comments and what follows ";"; notes a Bendix "(1)".
bool StripComments(std::string& text, bool bendix, BlockWords& out) {
  std::string kept;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ';') break;
    if (text[i] != '(') {
      kept += text[i];
      continue;
    }
    size_t close = text.find(')', i);
    if (close == std::string::npos) {
      out.error = "a comment that is never closed";
      return false;
    }
    if (bendix && text.compare(i, close - i + 1, "(1)") == 0) out.linearMark = true;
    i = close;
  }
  text = kept;
  return true;
}

}  // namespace

BlockWords SplitBlock(const std::string& line, bool bendix) {
  BlockWords out;
  std::string text = line;
  while (!text.empty() && (text.back() == '\r' || text.back() == ' ' || text.back() == '\t')) text.pop_back();
  if (!text.empty() && text.front() == '%') return out;  // a tape mark
  if (bendix && !text.empty() && text.back() == '$') text.pop_back();
  if (!StripComments(text, bendix, out)) return out;
  for (size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (c == ' ' || c == '\t') {
      ++i;
      continue;
    }
    if (!std::isalpha(static_cast<unsigned char>(c))) {
      out.error = std::string("the character \"") + c + "\" where a word should start";
      return out;
    }
    BlockWord w{static_cast<char>(std::toupper(static_cast<unsigned char>(c))), ""};
    size_t j = i + 1;
    while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) w.body += text[j++];
    while (j < text.size() && (IsDigit(text[j]) || text[j] == '.')) w.body += text[j++];
    if (w.body.empty() || w.body == "-" || w.body == "+" || w.body == ".") {
      out.error = std::string("the word ") + w.letter + " without a number";
      return out;
    }
    out.words.push_back(w);
    i = j;
  }
  return out;
}

std::optional<double> DecodeWord(const std::string& body, const WordFormat& f) {
  if (body.find('.') != std::string::npos || f.format < FmtLeadingZeros || f.format > FmtLeadingTrailing) {
    return StrictToDouble(body);
  }
  std::string digits = body;
  double sign = 1;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) {
    sign = digits[0] == '-' ? -1 : 1;
    digits.erase(0, 1);
  }
  if (digits.empty() || digits.size() > 40) return std::nullopt;
  if (f.format == FmtLeadingZeros) {
    const size_t whole = std::min(digits.size(), static_cast<size_t>(std::max(f.left, 0)));
    std::string text = digits.substr(0, whole) + "." + digits.substr(whole);
    if (text.front() == '.') text.insert(0, 1, '0');
    auto v = StrictToDouble(text);
    return v ? std::optional<double>(sign * *v) : std::nullopt;
  }
  auto v = StrictToDouble(digits);
  if (!v) return std::nullopt;
  return sign * *v / std::pow(10.0, std::max(f.right, 0));
}

}  // namespace quill
