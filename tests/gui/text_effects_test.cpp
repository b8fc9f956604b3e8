#include "text/text_effects.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "dialogs_test_support.h"

namespace quill {
namespace {

class TextEffectsDialogTest : public DialogTest {
 protected:
  TextEffectsDialogTest() { job.text = {"A B-C"}; }
  QLineEdit* Field(const char* name) { return Find<QLineEdit>(dialog, name); }
  void Page(int index) { Find<QTabWidget>(dialog, "pages")->setCurrentIndex(index); }
  float Height(int i) const { return job.settings.CharTable[i].height; }

  TTextEffectsDlg dialog{job};
};

TEST_F(TextEffectsDialogTest, OkAppliesTheShownPage) {
  ShowActive(dialog);
  EXPECT_EQ(Field("Start Text Height :")->text(), "1.0000");
  Page(0);
  TypeAndLeave(Field("End Text Height :"), "4/2");
  EXPECT_EQ(Field("End Text Height :")->text(), "2.00000");
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_FLOAT_EQ(Height(2), 1.5f);
  EXPECT_FLOAT_EQ(Height(4), 2.0f);
  EXPECT_EQ(job.settings.TEXTHIGH, "1.00000");
}

TEST_F(TextEffectsDialogTest, DropCapsBoxesExcludeEachOtherAndCalcSetsTheHeight) {
  ShowActive(dialog);
  Page(2);
  auto* first = Find<QCheckBox>(dialog, "Drop-Cap First Word Only");
  auto* all = Find<QCheckBox>(dialog, "Drop-Cap All Words");
  EXPECT_TRUE(first->isChecked());
  all->click();
  EXPECT_FALSE(first->isChecked());
  Field("Capital Letter Height :")->setText("2.2");
  Find<QPushButton>(dialog, "Calc")->click();
  EXPECT_EQ(Field("Text Height :")->text(), "1.80000");
  Find<QPushButton>(dialog, "OK")->click();
  EXPECT_EQ(job.settings.TEXTHIGH, "2.20000");
  EXPECT_FLOAT_EQ(Height(0), 2.2f);
  EXPECT_FLOAT_EQ(Height(1), 1.8f);
  EXPECT_FLOAT_EQ(Height(2), 2.2f);
  EXPECT_FLOAT_EQ(Height(4), 2.2f);
}

TEST_F(TextEffectsDialogTest, CancelLeavesTheTableAlone) {
  ShowActive(dialog);
  Field("Start Text Height :")->setText("3");
  Find<QPushButton>(dialog, "Cancel")->click();
  EXPECT_FLOAT_EQ(Height(0), 1.0f);
  EXPECT_EQ(job.settings.TEXTHIGH, "1.0");
}

}  // namespace
}  // namespace quill
