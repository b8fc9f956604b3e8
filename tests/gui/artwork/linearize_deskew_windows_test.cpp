// Linearize Arcs and Deskew & Scale driven from the workshop's Modify menu: the options windows, the
// picks of the origin, the axis and the known point in the workshop, refusals and Undo.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QMenu>
#include <cmath>

#include "artwork/deskew_dlg.h"
#include "artwork/linearize_dlg.h"
#include "shell/expr_field.h"
#include "workshop_tools_fixture.h"

namespace quill {
namespace {

using LinearizeWindowTest = WorkshopToolsTest;

TEST_F(LinearizeWindowTest, ArcsBecomeChordsWithinTheToleranceAndUndo) {
  OpenOn({"3 0.0 0.0 1.0 0.0 1.5707963268", "1 2.0 0.0 3.0 0.0 0.0"});
  Command("Deselect ALL");  // every arc goes, selected or not
  WhenModal<TLinearizeDlg>([](TLinearizeDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Linearize Arcs");
    EXPECT_EQ(d.Tolerance().text(), "0.0001");
    TypeInto(d.Tolerance(), "0.01");
    PressOk(d);
  });
  Command("Linearize Arcs");
  ASSERT_GT(Doc().Size(), 3u);
  EXPECT_EQ(LineFrom(2, 0, 3, 0), 0);  // the line keeps its place; the chords come after it
  const tgEntity& first = Doc().At(1);
  const tgEntity& last = Doc().At(Doc().Size() - 1);
  EXPECT_NEAR(first.X(), 1, 1e-9);
  EXPECT_NEAR(first.Y(), 0, 1e-9);
  EXPECT_NEAR(last.XE(), 0, 1e-9);
  EXPECT_NEAR(last.YE(), 1, 1e-9);
  for (size_t i = 1; i < Doc().Size(); ++i) {
    const tgEntity& c = Doc().At(i);
    ASSERT_TRUE(c.IsLine());
    EXPECT_GE(std::hypot((c.X() + c.XE()) / 2, (c.Y() + c.YE()) / 2), 1 - 0.01 - 1e-12) << i;
  }
  Undo();
  ASSERT_EQ(Doc().Size(), 2u);
  EXPECT_TRUE(Doc().At(0).IsArc());
}

TEST_F(LinearizeWindowTest, RefusedTolerancesBringTheWindowBack) {
  OpenOn({"3 0.0 0.0 1.0 0.0 1.5707963268"});
  WhenModal<TLinearizeDlg>([this](TLinearizeDlg& d) {
    TypeInto(d.Tolerance(), "0");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Texts().back(), "Tolerance Must be Greater than Zero");
    // Larger than the arc's diameter: refused once the arcs are looked at; the window comes back.
    WhenModal<TLinearizeDlg>([this](TLinearizeDlg& again) {
      EXPECT_NE(ui.Texts().back().find("Tolerance Larger than Arc Diameter"), std::string::npos);
      EXPECT_EQ(HelpPageOf(again), "Linearize_Arcs");
      again.reject();
    });
    TypeInto(d.Tolerance(), "5");
    PressOk(d);
  });
  Command("Linearize Arcs");
  ASSERT_EQ(Doc().Size(), 1u);
  EXPECT_TRUE(Doc().At(0).IsArc());
  EXPECT_FALSE(Doc().CanUndo());
}

class DeskewWindowTest : public WorkshopToolsTest {
 protected:
  // A line at 45 degrees from (1, 1) to (2, 2) and a half circle of radius 0.25 about (1, 1.5).
  DeskewWindowTest() { OpenOn({"1 1.0 1.0 2.0 2.0 0.0", "3 1.0 1.5 0.25 0.0 3.1415926536"}); }
  void Deskew(int scale, int axis, const char* first = nullptr) {
    WhenModal<TDeskewDlg>([=](TDeskewDlg& d) {
      d.ScaleGroup().button(scale)->click();
      d.AxisGroup().button(axis)->click();
      if (first) TypeInto(d.Entry(0), first);
      PressOk(d);
    });
    Command("Deskew & Scale");
  }
  // Two pixels, in the drawing's units: how near a position that comes from a click is.
  double Pixel() { return 2 * (Doc().window.Xmax - Doc().window.Xmin) / workshop->PaintBox().width(); }
};

TEST_F(DeskewWindowTest, TheAxisLineLiesAlongXFromTheOriginAtTheKnownScale) {
  double pixel = Pixel();
  Deskew(3, 1, "2");
  EXPECT_EQ(workshop->PromptText(), "Select Origin");
  Click(1, 1);
  EXPECT_EQ(workshop->PromptText(), "Select Line for -X- Axis");
  Click(1, 1.75);  // the half circle is no line: asked again
  EXPECT_EQ(workshop->PromptText(), "Select Line for -X- Axis");
  EXPECT_EQ(Doc().SelectedCount(), 2u);
  Click(1.5, 1.5);
  EXPECT_EQ(workshop->PromptText(), "");
  const tgEntity& axis = Doc().At(0);
  EXPECT_NEAR(axis.YE(), axis.Y(), 1e-9);
  EXPECT_NEAR(axis.XE() - axis.X(), 2 * std::sqrt(2.0), 1e-9);
  EXPECT_NEAR(axis.X(), 0, 2 * pixel);
  EXPECT_NEAR(axis.Y(), 0, 2 * pixel);
  EXPECT_NEAR(Doc().At(1).R(), 0.5, 1e-9);
  Undo();
  EXPECT_EQ(LineFrom(1, 1, 2, 2), 0);
  EXPECT_NEAR(Doc().At(1).R(), 0.25, 1e-12);
}

TEST_F(DeskewWindowTest, TheSamePointTwiceKeepsTheWorldAxis) {
  Deskew(0, 2);
  Click(1, 1);
  EXPECT_EQ(workshop->PromptText(), "Select 1st Point on -X- Axis");
  Click(1.5, 1.2);
  EXPECT_EQ(workshop->PromptText(), "Select 2nd Point on -X- Axis");
  Click(1.5, 1.2);
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back(), "Same Point Given Twice\nAssuming World -X- axis");
  // Moved so the origin is (0, 0), neither turned nor scaled.
  const tgEntity& axis = Doc().At(0);
  EXPECT_NEAR(axis.XE() - axis.X(), 1, 1e-9);
  EXPECT_NEAR(axis.YE() - axis.Y(), 1, 1e-9);
  EXPECT_NEAR(axis.X(), 0, 2 * Pixel());
  EXPECT_TRUE(Doc().CanUndo());
}

TEST_F(DeskewWindowTest, TheRightButtonEndsTheCommandWithoutAChange) {
  Deskew(2, 1, "10");
  Click(1, 1);
  Click(1.5, 1.5);
  EXPECT_EQ(workshop->PromptText(), "Select Known Point");
  RightClick();
  EXPECT_EQ(workshop->PromptText(), "");
  EXPECT_EQ(LineFrom(1, 1, 2, 2), 0);
  EXPECT_FALSE(Doc().CanUndo());
  EXPECT_FALSE(workshop->Popup().isVisible());
}

TEST_F(DeskewWindowTest, CaptionsFollowTheScaleOptionAndAZeroScaleIsRefused) {
  WhenModal<TDeskewDlg>([this](TDeskewDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Deskew & Scale");
    EXPECT_EQ(d.ScaleGroup().checkedId(), 1);
    EXPECT_EQ(d.AxisGroup().checkedId(), 1);
    EXPECT_EQ(d.Caption(0), "-X-");
    EXPECT_EQ(d.Caption(1), "-Y-");
    d.ScaleGroup().button(0)->click();
    EXPECT_FALSE(d.Entry(0).isEnabled());
    d.ScaleGroup().button(2)->click();
    EXPECT_EQ(d.Caption(0), "Distance");
    EXPECT_FALSE(d.Entry(1).isVisible());
    d.ScaleGroup().button(3)->click();
    EXPECT_EQ(d.Caption(0), "Scale");
    TypeInto(d.Entry(0), "0");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Texts().back(), "Scale May Not be Zero");
    EXPECT_EQ(HelpPageOf(d), "Deskew___Scale");
    d.reject();
  });
  Command("Deskew & Scale");
  EXPECT_EQ(workshop->PromptText(), "");
  EXPECT_FALSE(Doc().CanUndo());
}

}  // namespace
}  // namespace quill
