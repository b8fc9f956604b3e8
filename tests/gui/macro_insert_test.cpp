#include "stages/macro_insert.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "project/profile.h"
#include "stage_windows_fixture.h"

namespace quill {
namespace {

constexpr const char* Machines =
    "[Machine Names]\nNUMBER=2\nMachine1=ZMILL\nMachine2=DMILL\n"
    "[DMILL]\nM1N=A\nM1L1=G20\nM2N=B\nM2L1=G0X#Y#\nM2L2=M3\nM3N=C\nM3L1=M30\n"
    "[ZMILL]\n";

class MacroInsertTest : public testing::Test {
 protected:
  void SetUp() override {
    s.Posts(Machines);
    form.show();
  }
  void Choose(int row) { form.MacroList()->setCurrentRow(row); }
  std::string Stored(const std::string& key) const {
    return ProfileFile(s.job.paths.PostsIniFile).ReadString("DMILL", key, "NOMORE");
  }
  StageJob s;
  TMacroInsert form{s.job};
};

TEST_F(MacroInsertTest, ShowingListsTheDefaultMachinesMacros) {
  EXPECT_EQ(form.MachineBox()->itemText(0), "ZMILL");  // slot order
  EXPECT_EQ(form.MachineBox()->currentText(), "DMILL");
  ASSERT_EQ(form.MacroList()->count(), 3);
  Choose(1);
  EXPECT_EQ(form.Contents()->toPlainText(), "G0X#Y#\nM3");
  EXPECT_FALSE(form.Modified());
  form.MachineBox()->setCurrentText("ZMILL");
  EXPECT_EQ(form.MacroList()->count(), 0);
  EXPECT_TRUE(form.Contents()->toPlainText().isEmpty());
}

TEST_F(MacroInsertTest, ADeletedSlotTakesTheNextNewMacro) {
  Choose(1);
  s.ui.answers = {Answer::Yes};
  form.DeleteClick();
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].defaultAnswer, Answer::No);
  EXPECT_EQ(Stored("M2N"), "NOMORE");
  EXPECT_EQ(Stored("M2L2"), "NOMORE");  // every line of the macro goes with it
  EXPECT_EQ(form.MacroList()->count(), 2);

  s.ui.inputs = {"Probe"};
  form.AddClick();
  EXPECT_EQ(form.MacroList()->currentItem()->text(), "Probe");
  QTest::keyClicks(form.Contents(), "G38.2Z-1");
  form.SaveClick();
  EXPECT_EQ(Stored("M2N"), "Probe");
  EXPECT_EQ(Stored("M2L1"), "G38.2Z-1");
  EXPECT_FALSE(form.Modified());
}

TEST_F(MacroInsertTest, ChoosingAnotherMacroSavesTheEditedOne) {
  Choose(0);
  form.Contents()->moveCursor(QTextCursor::End);
  QTest::keyClick(form.Contents(), Qt::Key_Return);
  QTest::keyClicks(form.Contents(), "M5");
  EXPECT_TRUE(form.Modified());
  Choose(1);
  EXPECT_EQ(Stored("M1N"), "A");
  EXPECT_EQ(Stored("M1L2"), "M5");
  EXPECT_EQ(form.Contents()->toPlainText(), "G0X#Y#\nM3");
  EXPECT_EQ(form.EditedName(), "B");
}

TEST_F(MacroInsertTest, RenamingStoresTheMacroUnderItsNewName) {
  Choose(2);
  s.ui.inputs = {"End"};
  form.EditNameClick();
  EXPECT_EQ(form.MacroList()->item(2)->text(), "End");
  EXPECT_EQ(Stored("M3N"), "End");
  EXPECT_EQ(Stored("M3L1"), "M30");
}

TEST_F(MacroInsertTest, NoMacroIsStoredOverAnotherWhenEverySlotIsTaken) {
  std::string full = "[Machine Names]\nNUMBER=1\nMachine1=DMILL\n[DMILL]\n";
  for (int i = 1; i <= 50; ++i) full += "M" + std::to_string(i) + "N=Mac" + std::to_string(i) + "\n";
  s.Posts(full);
  form.hide();
  form.show();
  s.ui.inputs = {"One Too Many"};
  form.AddClick();
  form.SaveClick();
  ASSERT_EQ(s.ui.messages.size(), 1u);
  EXPECT_EQ(s.ui.messages[0].text, "Cannot Save Macro [One Too Many]: all 50 Macro Slots of this Machine are in Use");
  EXPECT_FALSE(test::FileExists(s.job.paths.PostsIniFile));
  EXPECT_TRUE(form.Modified());
}

TEST_F(MacroInsertTest, OkFillsTheRegistersAndPutsTheTextOnTheClipboard) {
  Choose(1);
  s.ui.inputs = {"1", "2"};
  form.accept();
  EXPECT_EQ(form.result(), QDialog::Accepted);
  EXPECT_EQ(s.ui.inputPrompts,
            (std::vector<std::string>{"Enter Setting for Register -X-", "Enter Setting for Register -Y-"}));
  EXPECT_EQ(form.InsertText(), "G0X1Y2\r\nM3\r\n");
  EXPECT_EQ(QApplication::clipboard()->text(), "G0X1Y2\r\nM3\r\n");
}

TEST_F(MacroInsertTest, OkWithoutAMacroIsCancel) {
  form.accept();
  EXPECT_EQ(form.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace quill
