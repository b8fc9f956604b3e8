#include "text/text_editor.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "dialogs_test_support.h"
#include "text/text_editor_find.h"

namespace quill {
namespace {

class TextEditorTest : public DialogTest {
 protected:
  void Trigger(const char* action) {
    QAction* a = editor.findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action;
    a->trigger();
  }
  void Type(const QString& text) { QTest::keyClicks(editor.Editor(), text); }
  std::string Selected() { return editor.Editor()->textCursor().selectedText().toStdString(); }

  TTedForm editor{job};
};

TEST_F(TextEditorTest, TypedLinesAreTheJobText) {
  EXPECT_EQ(editor.windowTitle(), "Text to Engrave - [Untitled]");
  ShowActive(editor);
  Type("AB");
  QTest::keyClick(editor.Editor(), Qt::Key_Return);
  Type("C");
  EXPECT_EQ(job.text, (std::vector<std::string>{"AB", "C"}));

  Trigger("Uppercase All");
  Trigger("Reverse Order");
  EXPECT_EQ(job.text, (std::vector<std::string>{"BA", "C"}));
  editor.Editor()->undo();
  EXPECT_EQ(job.text, (std::vector<std::string>{"AB", "C"}));  // one undoable step

  Trigger("Character Set");
  EXPECT_EQ(job.text[1].size(), 1u + 223u);
}

TEST_F(TextEditorTest, TextChangedElsewhereIsShown) {
  job.text = {"SERIAL 0001"};
  ShowActive(editor);
  EXPECT_EQ(editor.Editor()->toPlainText(), "SERIAL 0001");
  EXPECT_FALSE(editor.Editor()->document()->isModified());
}

TEST_F(TextEditorTest, SpecialCharacterGoesInAtTheCursor) {
  ShowActive(editor);
  Type("N");
  editor.SetSpecialCharacterPicker([&] {
    job.specialChars = "\xb0";
    return true;
  });
  Trigger("Special Character");
  Type("1");
  EXPECT_EQ(job.text[0], "N\xb0" "1");
  editor.SetSpecialCharacterPicker([] { return false; });
  Trigger("Special Character");
  EXPECT_EQ(job.text[0], "N\xb0" "1");
}

TEST_F(TextEditorTest, FindSelectsOrSaysItCannot) {
  job.text = {"one two", "TWO three"};
  ShowActive(editor);
  EXPECT_FALSE(editor.findChild<QAction*>("Find Next")->isEnabled());
  Trigger("Find ...");
  EXPECT_TRUE(editor.findChild<QAction*>("Find Next")->isEnabled());
  EXPECT_TRUE(editor.FindDialog()->isVisible());
  EXPECT_EQ(editor.FindDialog()->windowTitle(), "Find");

  EXPECT_TRUE(editor.FindNext("two", {}));
  EXPECT_EQ(Selected(), "two");
  EXPECT_TRUE(editor.FindNext("two", {}));
  EXPECT_EQ(Selected(), "TWO");
  EXPECT_FALSE(editor.FindNext("two", {}));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot find \"two\"."});
  EXPECT_TRUE(editor.FindNext("one", {false, false, false}));  // upwards from the selection
}

TEST_F(TextEditorTest, FindNextKeySearchesAgain) {
  job.text = {"ab ab"};
  ShowActive(editor);
  Trigger("Find ...");
  Find<QLineEdit>(*editor.FindDialog(), "what")->setText("ab");
  ShowActive(editor);
  QTest::keyClick(editor.Editor(), Qt::Key_F3);
  EXPECT_EQ(editor.Editor()->textCursor().selectionStart(), 0);
  QTest::keyClick(editor.Editor(), Qt::Key_F3);
  EXPECT_EQ(editor.Editor()->textCursor().selectionStart(), 3);
  EXPECT_EQ(Selected(), "ab");
}

TEST_F(TextEditorTest, ReplaceOneOrAll) {
  job.text = {"cat cat", "Cat"};
  ShowActive(editor);
  editor.Editor()->moveCursor(QTextCursor::Start);
  editor.Replace("cat", "dog", {}, false);  // nothing selected yet: finds the first
  EXPECT_EQ(Selected(), "cat");
  editor.Replace("cat", "dog", {}, false);
  EXPECT_EQ(job.text[0], "dog cat");
  EXPECT_EQ(Selected(), "cat");
  editor.Replace("cat", "dog", {}, true);
  EXPECT_EQ(job.text, (std::vector<std::string>{"dog dog", "dog"}));
  editor.Replace("cat", "dog", {}, false);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Cannot find \"cat\"."});
}

TEST_F(TextEditorTest, FilesAndTheCloseQuestion) {
  ShowActive(editor);
  Type("PLATE");
  ui.answers = {Answer::Cancel};
  editor.close();
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"File  has been modified. Save file?"});

  std::string path = home.File("PLATE.TXT");
  ASSERT_TRUE(editor.FileSaveAs(path));
  EXPECT_EQ(test::ReadFile(path), "PLATE\r\n");
  EXPECT_EQ(editor.windowTitle(), "Text to Engrave - PLATE.TXT");
  Type("S");
  ui.answers = {Answer::Yes};
  editor.close();
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(test::ReadFile(path), "PLATES\r\n");  // Yes saved to the known name

  EXPECT_FALSE(editor.FileOpen(home.File("missing.txt")));
  EXPECT_NE(ui.Texts().back().find("missing.txt"), std::string::npos);
  test::WriteFile(home.File("b.txt"), "X\r\nY\r\n");
  ASSERT_TRUE(editor.FileOpen(home.File("b.txt")));
  EXPECT_EQ(job.text, (std::vector<std::string>{"X", "Y"}));
  editor.FileNew();
  EXPECT_EQ(job.text, std::vector<std::string>{""});
  EXPECT_EQ(editor.windowTitle(), "Text to Engrave - [Untitled]");
}

}  // namespace
}  // namespace quill
