#include "project/spelling_words.h"

#include <gtest/gtest.h>

#include <vector>

namespace quill {
namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t from = 0;
  while (auto w = NextWord(text, from)) {
    words.push_back(text.substr(w->start, w->length));
    from = w->start + w->length;
  }
  return words;
}

TEST(SpellingWords, LettersWithInnerApostrophesMakeWords) {
  EXPECT_EQ(Words("Don't  'quote' me,\r\nCaf\xe9-bar!"),
            (std::vector<std::string>{"Don't", "quote", "me", "Caf\xe9", "bar"}));
  EXPECT_EQ(Words("SN008 part 12B \xd7 x"), (std::vector<std::string>{"part", "x"}));
  EXPECT_EQ(Words("' '' 42"), std::vector<std::string>{});
  EXPECT_FALSE(NextWord("abc", 3));
  EXPECT_FALSE(NextWord("abc", 10));
}

}  // namespace
}  // namespace quill
