#include "shell/expr_field.h"

#include <QLineEdit>
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
