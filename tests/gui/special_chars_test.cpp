#include "text/special_chars.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "dialogs_test_support.h"

namespace quill {
namespace {

TEST_F(DialogTest, SpecialCharacterGridPicksByCell) {
  TSpecialCharDlg dialog(job);
  ShowActive(dialog);
  EXPECT_EQ(dialog.windowTitle(), "Insert Special Character");
  auto* grid = Find<QTableWidget>(dialog, "grid");
  ASSERT_EQ(grid->rowCount(), 7);
  ASSERT_EQ(grid->columnCount(), 32);
  EXPECT_EQ(grid->item(1, 1)->text(), "A");
  EXPECT_EQ(grid->item(6, 31)->text(), QString(QChar(0xFF)));

  // OK without a pick takes the current cell, the space.
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_EQ(job.specialChars, " ");

  ShowActive(dialog);
  grid->setCurrentCell(5, 16);  // 32*5 + 16 + 32
  EXPECT_EQ(Find<QLabel>(dialog, "code")->text(), "Chr = 208");
  EXPECT_EQ(Find<QLabel>(dialog, "preview")->text(), QString(QChar(208)));
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_EQ(job.specialChars, "\xd0");
}

}  // namespace
}  // namespace quill
