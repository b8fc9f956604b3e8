#include "project/spelling_words.h"

namespace quill {
namespace {

bool IsLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c != 0xD7 && c != 0xF7);
}

bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}

bool InToken(unsigned char c) {
  return IsLetter(c) || IsDigit(c) || c == '\'';
}

}  // namespace

std::optional<WordSpan> NextWord(const std::string& text, size_t from) {
  size_t i = from;
  while (i < text.size()) {
    while (i < text.size() && !InToken(static_cast<unsigned char>(text[i]))) ++i;
    size_t start = i;
    bool digit = false;
    while (i < text.size() && InToken(static_cast<unsigned char>(text[i]))) digit |= IsDigit(text[i++]);
    // Quotes around a word are not part of it.
    size_t end = i;
    while (start < end && text[start] == '\'') ++start;
    while (end > start && text[end - 1] == '\'') --end;
    if (!digit && end > start) return WordSpan{start, end - start};
  }
  return std::nullopt;
}

}  // namespace quill
