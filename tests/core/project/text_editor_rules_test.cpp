#include "project/text_editor_rules.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quill {
namespace {

TEST(TextEditorRules, CaseAndOrderChangesTouchOnlyTheirLetters) {
  std::vector<std::string> lines{"Ab1\xe9", "xY z"};
  UpperCaseLines(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"AB1\xe9", "XY Z"}));  // accented letters stay as they are
  LowerCaseLines(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"ab1\xe9", "xy z"}));
  ReverseLines(lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"\xe9" "1ba", "z yx"}));

  std::string set = CharacterSetText();
  ASSERT_EQ(set.size(), 223u);
  EXPECT_EQ(set.front(), '!');
  EXPECT_EQ(static_cast<unsigned char>(set.back()), 255);
}

TEST(TextEditorRules, FindRunsFromTheSelectionInEitherDirection) {
  const std::string text = "one Two one two";
  FindOptions down;
  EXPECT_EQ(FindText(text, "TWO", 0, 0, down), 4u);
  EXPECT_EQ(FindText(text, "two", 4, 7, down), 12u);  // from the end of the selection
  EXPECT_EQ(FindText(text, "two", 12, 15, down), std::nullopt);

  FindOptions up{false, false, false};
  EXPECT_EQ(FindText(text, "one", 8, 11, up), 0u);  // must end before the selection starts
  EXPECT_EQ(FindText(text, "one", 3, 3, up), 0u);
  EXPECT_EQ(FindText(text, "one", 2, 2, up), std::nullopt);
  EXPECT_EQ(FindText(text, "one", 15, 15, up), 8u);

  FindOptions exact{true, true, false};
  EXPECT_EQ(FindText(text, "two", 0, 0, exact), 12u);
  EXPECT_EQ(FindText(text, "", 0, 0, down), std::nullopt);
  EXPECT_EQ(FindText("ab", "abc", 0, 0, down), std::nullopt);
}

TEST(TextEditorRules, WholeWordsAndAccentedLettersFoldAsWords) {
  FindOptions whole{true, false, true};
  EXPECT_EQ(FindText("cat concat cat_ cat.", "cat", 1, 1, whole), 16u);
  EXPECT_EQ(FindText("\xe9t\xe9 \xc9T\xc9", "\xc9t\xc9", 1, 1, whole), 4u);
  EXPECT_EQ(FindText("x\xe9t\xe9", "t", 0, 0, whole), std::nullopt);
}

TEST(TextEditorRules, ReplaceAllStartsWithAMatchingSelection) {
  FindOptions o;
  ReplaceAllResult r = ReplaceAllText("a b A b a", "a", "xa", 4, 5, o);
  EXPECT_EQ(r.text, "a b xa b xa");  // the selected "A" first, then downwards only
  EXPECT_EQ(r.replaced, 2);

  r = ReplaceAllText("ab ab ab", "ab", "abab", 0, 1, o);  // "a" does not match; the search starts after it
  EXPECT_EQ(r.text, "ab abab abab");
  EXPECT_EQ(r.replaced, 2);

  r = ReplaceAllText("abc", "", "x", 0, 0, o);
  EXPECT_EQ(r.text, "abc");
  EXPECT_TRUE(SelectionMatches("aBc", "AbC"));
  EXPECT_FALSE(SelectionMatches("aBc", "AbCd"));
}

TEST(TextEditorRules, MessagesAndCaption) {
  EXPECT_EQ(NotFoundMessage("Zed"), "Cannot find \"Zed\".");
  EXPECT_EQ(ModifiedQuestion(""), "File  has been modified. Save file?");
  EXPECT_EQ(EditorCaption(""), "Text to Engrave - [Untitled]");
  EXPECT_EQ(EditorCaption("/home/op/PLATE.TXT"), "Text to Engrave - PLATE.TXT");
}

TEST(TextEditorRules, TextFilesKeepEightBitLinesWithLineBreaks) {
  test::TempDir dir;
  std::vector<std::string> lines{"N\xb0 12", "", "END"};
  ASSERT_TRUE(WriteTextFile(dir.File("a.txt"), lines));
  EXPECT_EQ(test::ReadFile(dir.File("a.txt")), "N\xb0 12\r\n\r\nEND\r\n");
  std::vector<std::string> back;
  ASSERT_TRUE(ReadTextFile(dir.File("a.txt"), back));
  EXPECT_EQ(back, lines);
  EXPECT_FALSE(ReadTextFile(dir.File("missing.txt"), back));
  EXPECT_EQ(back, lines);  // a failed open leaves the text alone
  EXPECT_FALSE(WriteTextFile(dir.File("no/such/dir/a.txt"), lines));
}

}  // namespace
}  // namespace quill
