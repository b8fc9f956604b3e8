#include "toolpath/depth_calculator.h"

#include <gtest/gtest.h>

#include "ui/test_ui.h"

namespace quill {
namespace {

TEST(DepthCalculator, ConeAndBallDepthsForTheWidth) {
  TestUi ui;
  EXPECT_NEAR(*CalculateDepth(ui, DepthTool::Cone, 0.0625, 60), -0.0541, 5e-5);
  EXPECT_NEAR(*CalculateDepth(ui, DepthTool::Ball, 0.0625, 0.125), -0.0084, 5e-5);
  // A cut as wide as the ball goes down to its centre.
  EXPECT_NEAR(*CalculateDepth(ui, DepthTool::Ball, 0.125, 0.125), -0.0625, 1e-12);
  EXPECT_DOUBLE_EQ(*CalculateDepth(ui, DepthTool::Cone, 0, 90), 0.0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(DepthCalculator, InputsWithoutADepthAreRefusedWithTheReason) {
  TestUi ui;
  EXPECT_FALSE(CalculateDepth(ui, DepthTool::Cone, 0.0625, 0));
  EXPECT_FALSE(CalculateDepth(ui, DepthTool::Ball, 0.2, 0.125));
  EXPECT_FALSE(CalculateDepth(ui, DepthTool::Cone, -0.01, 60));
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[0].text, "Tool Tip Angle Cannot be Zero");
  EXPECT_EQ(ui.messages[0].kind, MsgKind::Information);
  EXPECT_EQ(ui.messages[1].text, "Desired Cut Width Cannot be Larger than the Tool Diameter");
  EXPECT_EQ(ui.messages[2].text, "Desired Cut Width Cannot be Negative");
}

}  // namespace
}  // namespace quill
