#include "shell/expr_field.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

#include "dialogs_test_support.h"

namespace quill {
namespace {

class ExprFieldTest : public DialogTest {
 protected:
  ExprFieldTest() {
    auto* layout = new QVBoxLayout(&window);
    field = new ExprField(ui, &window);
    other = new QLineEdit(&window);
    layout->addWidget(field);
    layout->addWidget(other);
  }

  QWidget window;
  ExprField* field;
  QLineEdit* other;
};

TEST_F(ExprFieldTest, LeavingShowsTheValueOrTheWarning) {
  ShowActive(window);
  QSignalSpy left(field, &ExprField::Left);
  TypeAndLeave(field, "2*0.5");
  EXPECT_EQ(field->text(), "1.00000");
  ASSERT_EQ(left.count(), 1);
  EXPECT_DOUBLE_EQ(left[0][0].toDouble(), 1.0);
  EXPECT_TRUE(left[0][1].toBool());
  EXPECT_TRUE(ui.messages.empty());

  TypeAndLeave(field, "1,5");
  EXPECT_EQ(field->text(), "1,5");  // kept as typed for the operator to mend
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(ui.messages[0].text.find("1 >>,5"), std::string::npos);
  EXPECT_EQ(ui.messages[0].helpContext, 100);
  EXPECT_TRUE(field->hasFocus());
  EXPECT_FALSE(left[1][1].toBool());
}

TEST_F(ExprFieldTest, EmptyFieldBecomesZeroAndMillimetresBecomeInches) {
  ShowActive(window);
  TypeAndLeave(field, "");
  EXPECT_EQ(field->text(), "0.00000");
  TypeAndLeave(field, "25.4%");
  EXPECT_EQ(field->text(), "1.00000");
}

TEST_F(ExprFieldTest, BoundFieldIsTheSetting) {
  std::string setting = "0.125";
  field->Bind(&setting);
  EXPECT_EQ(field->text(), "0.125");
  ShowActive(window);
  TypeAndLeave(field, "1/8");
  EXPECT_EQ(setting, "0.12500");
  setting = "3.0";
  field->Reload();
  EXPECT_EQ(field->text(), "3.0");
}

// What the setting holds while the operator types: numbers as typed, expressions as their value, and
// the value the edit found for anything that is no number.
TEST_F(ExprFieldTest, ABoundSettingNeverTakesAWrongText) {
  std::string setting = "0.125";
  field->Bind(&setting);
  ShowActive(window);
  field->setFocus();
  field->selectAll();
  QTest::keyClicks(field, "2");
  EXPECT_EQ(setting, "2");
  QTest::keyClicks(field, "x");
  EXPECT_EQ(setting, "0.125");
  field->selectAll();
  QTest::keyClicks(field, "1/4");
  EXPECT_EQ(setting, "0.25000");
  TypeAndLeave(field, "abc");
  EXPECT_EQ(setting, "0.125");
  EXPECT_EQ(field->text(), "abc");  // kept for mending
  window.hide();
  EXPECT_EQ(field->text(), "0.125");  // left: the setting in force shows
  field->Bind(nullptr);
}

// Going for Cancel is not leaving the field: no warning stands between the operator and the way out.
TEST_F(ExprFieldTest, GoingForCancelEvaluatesNothing) {
  QPushButton cancel("Cancel", &window);
  MarkLeavesWithoutApplying(&cancel);
  window.layout()->addWidget(&cancel);
  ShowActive(window);
  field->setFocus();
  QTest::keyClicks(field, "1+");
  cancel.setFocus(Qt::MouseFocusReason);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(FieldsReady(&window));  // but OK would meet it
  EXPECT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(field->hasFocus());
  EXPECT_FALSE(FieldsReady(&window));  // told once for the same text
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(ExprFieldTest, SwitchingWindowsIsNotLeaving) {
  ShowActive(window);
  field->setFocus();
  QTest::keyClicks(field, "1+");
  QWidget elsewhere;
  ShowActive(elsewhere);
  EXPECT_EQ(field->text(), "1+");
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace quill
