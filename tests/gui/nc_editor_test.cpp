#include "stages/nc_editor.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "stage_windows_fixture.h"
#include "stages/macro_insert.h"
#include "stages/nc_editor_find.h"
#include "stages/reseq_dlg.h"

namespace quill {
namespace {

class NcEditorTest : public testing::Test {
 protected:
  void SetUp() override { editor.show(); }
  void SetText(const char* text) {
    editor.Editor()->setPlainText(text);
    editor.Editor()->document()->setModified(false);
  }
  QString Text() const { return editor.Editor()->toPlainText(); }
  void PlaceCursor(int position) {
    QTextCursor c = editor.Editor()->textCursor();
    c.setPosition(position);
    editor.Editor()->setTextCursor(c);
  }
  StageJob s;
  TMacroInsert macros{s.job};
  TNCEditor editor{s.job, macros};
};

TEST_F(NcEditorTest, ResequencesEveryLineWithTheDialogsOptions) {
  SetText("%\nO1000\nN5 G90\nG01 X1\n/N7 G00 Z1\n\nn3");
  editor.Resequence();
  EXPECT_EQ(Text(), "%\nO1000\nN10 G90\nN20G01 X1\n/N30 G00 Z1\n\nN40n3");
  editor.Editor()->undo();
  EXPECT_EQ(Text(), "%\nO1000\nN5 G90\nG01 X1\n/N7 G00 Z1\n\nn3");

  TRESEQDlg* dlg = editor.ResequenceDialog();
  QTest::mouseClick(dlg->Check("unseq"), Qt::LeftButton);
  EXPECT_FALSE(dlg->Edit("snum")->isEnabled());
  EXPECT_FALSE(dlg->Check("lzeros")->isEnabled());
  SetText("N10 G01\nN20 G00");
  editor.Resequence();
  EXPECT_EQ(Text(), "G01\nG00");
  QTest::mouseClick(dlg->Check("unseq"), Qt::LeftButton);
  EXPECT_TRUE(dlg->Edit("snum")->isEnabled());
}

TEST_F(NcEditorTest, ABadNumberInTheResequenceDialogChangesNothing) {
  TRESEQDlg* dlg = editor.ResequenceDialog();
  dlg->Edit("nincr")->setText("1.5");
  dlg->show();
  dlg->accept();
  EXPECT_TRUE(dlg->isVisible());
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"'1.5' is not a valid whole number"});
  SetText("N5 G90");
  editor.Resequence();
  EXPECT_EQ(Text(), "N5 G90");
  dlg->reject();
}

TEST_F(NcEditorTest, FindRunsFromTheSelectionToTheEndWithoutWrapping) {
  SetText("G01 X1\nG01 X2\ng01 X3");
  TNCFindDialog* find = editor.FindDialog();
  EXPECT_FALSE(editor.Action("FindNext")->isEnabled());
  editor.FindCommand();
  EXPECT_TRUE(editor.Action("FindNext")->isEnabled());
  find->FindField()->setText("G01");
  find->CaseBox()->setChecked(true);
  PlaceCursor(3);
  editor.FindNextCommand();
  EXPECT_EQ(editor.Editor()->textCursor().selectionStart(), 7);
  editor.FindNextCommand();  // "g01" differs in case; no wrap to the first line
  EXPECT_EQ(editor.Editor()->textCursor().selectionStart(), 7);
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Cannot find \"G01\"."});

  find->CaseBox()->setChecked(false);
  find->WordBox()->setChecked(true);
  find->FindField()->setText("X");
  s.ui.messages.clear();
  PlaceCursor(0);
  EXPECT_FALSE(find->FindNextClick());  // "X1" is no whole word "X"
  EXPECT_EQ(s.ui.messages.size(), 1u);
}

TEST_F(NcEditorTest, ReplaceAllChangesOnlyTheMatchesAfterTheCursor) {
  SetText("G00 X1\nG00 X2\nG00 X3");
  TNCFindDialog* replace = editor.ReplaceDialog();
  replace->FindField()->setText("G00");
  replace->ReplaceField()->setText("G01");
  PlaceCursor(8);
  replace->ReplaceAllClick();
  EXPECT_EQ(Text(), "G00 X1\nG00 X2\nG01 X3");
  PlaceCursor(0);
  ASSERT_TRUE(replace->FindNextClick());
  replace->ReplaceClick();
  EXPECT_EQ(Text(), "G01 X1\nG00 X2\nG01 X3");
}

TEST_F(NcEditorTest, UndoIsOfferedOnlyAfterAnEdit) {
  EXPECT_FALSE(editor.Action("Undo")->isEnabled());
  QTest::keyClicks(editor.Editor(), "M30");
  EXPECT_TRUE(editor.Action("Undo")->isEnabled());
  editor.Action("Undo")->trigger();
  EXPECT_FALSE(editor.Action("Undo")->isEnabled());
}

TEST_F(NcEditorTest, CtrlDelDeletesTheSelectionOnly) {
  SetText("G00 X1 Y2");
  editor.activateWindow();
  editor.Editor()->setFocus();
  QTextCursor c = editor.Editor()->textCursor();
  c.setPosition(4);
  c.setPosition(5, QTextCursor::KeepAnchor);
  editor.Editor()->setTextCursor(c);
  QTest::keyClick(editor.Editor(), Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(Text(), "G00 1 Y2");
}

TEST_F(NcEditorTest, FilesKeepTheirLineEndsCaptionAndRecentList) {
  std::string path = s.home.File("PART.TAP");
  test::WriteFile(path, "N10G90\r\nN20M30\r\n");
  ASSERT_TRUE(editor.LoadFile(path));
  EXPECT_EQ(editor.windowTitle(), "QUILLMARK-PRO-2008 - PART.TAP");
  EXPECT_EQ(Text(), "N10G90\nN20M30\n");
  QTest::keyClicks(editor.Editor(), "%");
  ASSERT_TRUE(editor.SaveFile());
  EXPECT_EQ(test::ReadFile(path), "%N10G90\r\nN20M30\r\n");
  EXPECT_FALSE(editor.Editor()->document()->isModified());

  TNCEditor next(s.job, macros);
  EXPECT_EQ(next.RecentFiles()[0], path);
  EXPECT_FALSE(editor.LoadFile(s.home.File("MISSING.TAP")));
  EXPECT_EQ(editor.FileName(), path);
  EXPECT_EQ(s.ui.messages.size(), 1u);
}

TEST_F(NcEditorTest, ASaveThatCannotBeFinishedLeavesTheOldProgramWhole) {
  std::string path = s.home.File("PART.TAP");
  test::WriteFile(path, "N10G90\r\nN20M30\r\n");
  ASSERT_TRUE(editor.LoadFile(path));
  QTest::keyClicks(editor.Editor(), "G01 X1 Y1 (A CHANGE TOO LONG FOR THE DISK)");
  {
    test::FileSizeLimit full(32);
    EXPECT_FALSE(editor.SaveFile());
  }
  EXPECT_EQ(test::ReadFile(path), "N10G90\r\nN20M30\r\n");
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text.rfind("Cannot save file [" + path + "]: ", 0), 0u);
  EXPECT_TRUE(editor.Editor()->document()->isModified());
}

TEST_F(NcEditorTest, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
  QTest::keyClicks(editor.Editor(), "G00");
  s.ui.answers = {Answer::Cancel};
  EXPECT_FALSE(editor.close());
  EXPECT_TRUE(editor.isVisible());
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"File  has been modified. Save file?"});
  s.ui.answers = {Answer::No};
  EXPECT_TRUE(editor.close());
  editor.show();
  EXPECT_EQ(editor.windowTitle(), "QUILLMARK-PRO-2008 - [Untitled]");
  EXPECT_TRUE(Text().isEmpty());
}

TEST_F(NcEditorTest, AMacroIsPastedAtTheCursor) {
  s.Posts("[Machine Names]\nNUMBER=1\nMachine1=DMILL\n[DMILL]\nM1N=End\nM1L1=M5\nM1L2=M30\n");
  SetText("G00\n");
  editor.Editor()->moveCursor(QTextCursor::End);
  WhenShown("TMacroInsert", [](QDialog* d) {
    auto* m = static_cast<TMacroInsert*>(d);
    m->MacroList()->setCurrentRow(0);
    m->accept();
  });
  editor.InsertMacro();
  EXPECT_EQ(Text(), "G00\nM5\nM30\n");
}

}  // namespace
}  // namespace quill
