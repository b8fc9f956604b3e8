// 3D View Setup: Default, the arrows in 5-degree steps, and typed eye coordinates.
#include <QPushButton>
#include <QToolButton>

#include <cmath>

#include "main_window_fixture.h"
#include "mathlib/constants.h"
#include "picture/view3d_setup.h"
#include "shell/expr_field.h"

namespace quill {
namespace {

class View3DSetupTest : public MainWindowTest {
 protected:
  View3DSetupTest() : dlg(context) { Activate(dlg); }
  // The arrow button of the rotation control: "arrow-up", "arrow-down", "arrow-left" or "arrow-right".
  QToolButton* Arrow(const char* name) {
    auto* b = dlg.findChild<QToolButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    EXPECT_FALSE(b->icon().isNull()) << name;
    return b;
  }
  View3DSetupDlg dlg;
};

TEST_F(View3DSetupTest, DefaultAndTheRightArrowTurnTheEye) {
  EXPECT_EQ(dlg.EyeField(0).text(), "-50.0");
  EXPECT_EQ(dlg.EyeField(2).text(), "50.0");
  QPushButton* defaultButton = dlg.findChild<QPushButton*>();
  for (QPushButton* b : dlg.findChildren<QPushButton*>()) {
    if (b->text() == "&Default") defaultButton = b;
  }
  QTest::mouseClick(defaultButton, Qt::LeftButton);
  EXPECT_NEAR(dlg.EyeField(0).text().toDouble(), -50.02, 0.01);
  EXPECT_NEAR(dlg.EyeField(1).text().toDouble(), -50.02, 0.01);
  EXPECT_NEAR(dlg.EyeField(2).text().toDouble(), 49.95, 0.01);
  EXPECT_EQ(dlg.EyeField(2).text().section('.', 1).size(), 5);
  double azimuth = std::atan2(job.view.EyeY, job.view.EyeX);
  for (int i = 0; i < 4; ++i) QTest::mouseClick(Arrow("arrow-right"), Qt::LeftButton);
  EXPECT_NEAR(std::atan2(job.view.EyeY, job.view.EyeX) - azimuth, 20 * DegToRad, 1e-9);
  EXPECT_NEAR(dlg.EyeField(0).text().toDouble(), job.view.EyeX, 1e-5);
  EXPECT_EQ(dlg.findChild<QWidget*>("Rotation")->toolTip(), "View Rotation, Press Center for Default");
}

TEST_F(View3DSetupTest, ATypedCoordinateMovesTheEyeAndABadOneLeavesIt) {
  Activate(dlg);
  ExprField& x = dlg.EyeField(0);
  x.setFocus();
  x.selectAll();
  QTest::keyClicks(&x, "10/4");
  QTest::keyClick(&x, Qt::Key_Tab);
  EXPECT_DOUBLE_EQ(job.view.EyeX, 2.5);
  x.setFocus();
  x.selectAll();
  QTest::keyClicks(&x, "2*(");
  QTest::keyClick(&x, Qt::Key_Tab);
  EXPECT_DOUBLE_EQ(job.view.EyeX, 2.5);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("Error in Expression", 0), 0u);
}

}  // namespace
}  // namespace quill
