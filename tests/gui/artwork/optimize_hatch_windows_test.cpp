// Optimize Tool Path and Cross Hatch driven from the workshop's menus, tool bar and mouse: the options
// windows, the starting point pick, the "Working ..." meter's Cancel and the questions about the result.
#include <QCheckBox>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "artwork/cross_hatch_dlg.h"
#include "artwork/optimize_dlg.h"
#include "geometry/entity_report.h"
#include "shell/expr_field.h"
#include "workshop_tools_fixture.h"

namespace quill {
namespace {

class OptimizeWindowTest : public WorkshopToolsTest {
 protected:
  // Three lines out of order and direction: (0,0)-(1,0), (3,0)-(2,0), (1,0)-(2,0).
  OptimizeWindowTest() { OpenOn({"1 0.0 0.0 1.0 0.0 0.0", "1 3.0 0.0 2.0 0.0 0.0", "1 1.0 0.0 2.0 0.0 0.0"}); }
  void Optimize(std::function<void(TOptimizeDlg&)> fill = {}) {
    WhenModal<TOptimizeDlg>([fill](TOptimizeDlg& d) {
      if (fill) fill(d);
      PressOk(d);
    });
    workshop->Button("Optimize ToolPath")->trigger();
  }
  bool Unchanged() {
    return Doc().Size() == 3 && LineFrom(0, 0, 1, 0) == 0 && LineFrom(3, 0, 2, 0) == 1 && LineFrom(1, 0, 2, 0) == 2;
  }
};

TEST_F(OptimizeWindowTest, TheChainRunsEndToStartFromThePickedPointAndUndoes) {
  Optimize([](TOptimizeDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Optimize Tool Path");
    EXPECT_TRUE(d.Check(TOptimizeDlg::Duplicates).isChecked());
    EXPECT_TRUE(d.Check(TOptimizeDlg::Force).isChecked());
    EXPECT_FALSE(d.Check(TOptimizeDlg::Bridge).isChecked());
    EXPECT_EQ(d.Entry(TOptimizeDlg::Connect).text(), "0.0010");
    EXPECT_EQ(d.Check(TOptimizeDlg::Simplify).text(), "Simplify Polygons       Tolerance");
    // A step's fields follow its check box.
    EXPECT_FALSE(d.Entry(TOptimizeDlg::SimplifyTolerance).isEnabled());
    EXPECT_FALSE(d.Check(TOptimizeDlg::ArcFit).isEnabled());
    d.Check(TOptimizeDlg::Bezier).setChecked(true);
    EXPECT_TRUE(d.Entry(TOptimizeDlg::BezierTolerance).isEnabled());
    EXPECT_FALSE(d.Entry(TOptimizeDlg::ArcFitTolerance).isEnabled());
    d.Check(TOptimizeDlg::ArcFit).setChecked(true);
    EXPECT_TRUE(d.Entry(TOptimizeDlg::ArcFitTolerance).isEnabled());
    d.Check(TOptimizeDlg::Bezier).setChecked(false);
    d.Check(TOptimizeDlg::Merge).setChecked(false);  // merged, the lines that touch would become one
  });
  EXPECT_EQ(workshop->PromptText(), "Select Approximate Starting Point");
  EXPECT_TRUE(Unchanged());
  // The click picks the start; it does not touch the selection the optimiser works on.
  Click(-0.2, 0);
  EXPECT_EQ(workshop->PromptText(), "");
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back(), "Accept Changes");
  EXPECT_GT(ui.progressBegun, 0);
  ASSERT_EQ(Doc().Size(), 3u);
  EXPECT_EQ(LineFrom(0, 0, 1, 0), 0);
  EXPECT_EQ(LineFrom(1, 0, 2, 0), 1);
  EXPECT_EQ(LineFrom(2, 0, 3, 0), 2);
  EXPECT_EQ(Doc().SelectedCount(), 0u);
  Undo();
  EXPECT_TRUE(Unchanged());
}

TEST_F(OptimizeWindowTest, NoKeepsTheDrawingAndTheRightButtonStartsAtTheOrigin) {
  ui.answers = {Answer::No};
  Optimize();
  RightClick();
  EXPECT_EQ(ui.Texts().back(), "Accept Changes");
  EXPECT_TRUE(Unchanged());
  EXPECT_EQ(Doc().SelectedCount(), 0u);
  EXPECT_FALSE(Doc().hideSelected);
  EXPECT_FALSE(Doc().CanRedo());
  EXPECT_FALSE(workshop->Popup().isVisible());
}

TEST_F(OptimizeWindowTest, CancelInTheWorkingWindowLeavesTheDrawing) {
  ui.cancelAfter = 0;
  Optimize();
  Click(-0.2, 0);
  EXPECT_TRUE(Unchanged());
  EXPECT_TRUE(ui.Texts().empty()) << ui.Texts().front();
  EXPECT_EQ(Doc().SelectedCount(), 3u);
}

TEST_F(OptimizeWindowTest, AnotherCommandEndsThePickWithoutOptimizing) {
  Optimize();
  Command("Line");
  EXPECT_EQ(workshop->PromptText(), "");
  Drag(0, 1, 2, 1);  // the line tool has the mouse again
  RightClick();
  EXPECT_EQ(Doc().Size(), 4u);
  EXPECT_TRUE(ui.Texts().empty());
}

TEST_F(OptimizeWindowTest, RefusedOptionsKeepTheWindowOpen) {
  WhenModal<TOptimizeDlg>([this](TOptimizeDlg& d) {
    TypeInto(d.Entry(TOptimizeDlg::Connect), "-1");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    ASSERT_FALSE(ui.Texts().empty());
    EXPECT_EQ(ui.Texts().back(), "End Point Connection Tolerance May Not be Negative");
    d.reject();
  });
  workshop->Button("Optimize ToolPath")->trigger();
  EXPECT_EQ(workshop->PromptText(), "");
  EXPECT_TRUE(Unchanged());
}

TEST_F(OptimizeWindowTest, WithoutASelectionTheWindowDoesNotOpen) {
  Command("Deselect ALL");
  EXPECT_FALSE(ShowsWindow<TOptimizeDlg>([this] { Command("Optimize Tool Path"); }));
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"First Select the Geometry to Optimize"});
}

TEST_F(OptimizeWindowTest, HelpShowsTheOptimizersPage) {
  WhenModal<TOptimizeDlg>([](TOptimizeDlg& d) {
    EXPECT_EQ(HelpPageOf(d), "Art_Workshop_Optimize");
    d.reject();
  });
  Command("Optimize Tool Path");
}

// Notes the window the program's message boxes and "Working ..." window belong to whenever the paint
// box is painted.
class ParentAtPaint : public QObject {
 public:
  explicit ParentAtPaint(QtUi& ui) : ui_(ui) {}
  std::vector<QWidget*> seen;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen.push_back(ui_.Parent());
    return false;
  }

 private:
  QtUi& ui_;
};

class HatchWindowTest : public WorkshopToolsTest {
 protected:
  // The unit square as four lines.
  HatchWindowTest() {
    OpenOn({"1 0.0 0.0 1.0 0.0 0.0", "1 1.0 0.0 1.0 1.0 0.0", "1 1.0 1.0 0.0 1.0 0.0", "1 0.0 1.0 0.0 0.0 0.0"});
  }
};

TEST_F(HatchWindowTest, HatchLinesRunFromLargerToSmallerXAndUndo) {
  ToleranceScope tolerance(EntityTolerance, 0.0002);
  WhenModal<TCrossHatchDlg>([](TCrossHatchDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Cross Hatching");
    EXPECT_EQ(d.Entry(TCrossHatchDlg::Angle).text(), "0.0");
    EXPECT_EQ(d.Entry(TCrossHatchDlg::Tolerance).text(), "0.0002");  // the entity tolerance of the moment
    TypeInto(d.Entry(TCrossHatchDlg::Distance), "0.25");
    PressOk(d);
  });
  // While the hatch lines are shown for the question, the questions and the meter are the workshop's.
  ParentAtPaint paints(qtUi);
  Box().installEventFilter(&paints);
  Command("Cross Hatch");
  Box().removeEventFilter(&paints);
  EXPECT_NE(std::find(paints.seen.begin(), paints.seen.end(), workshop), paints.seen.end());
  EXPECT_EQ(qtUi.Parent(), nullptr);
  EXPECT_EQ(ui.Texts().back(), "Cross Hatching, O.K.");
  ASSERT_GT(Doc().Size(), 4u);
  for (double y : {0.5, 0.75, 0.25}) EXPECT_GE(LineFrom(1, y, 0, y), 4) << y;
  Undo();
  EXPECT_EQ(Doc().Size(), 4u);
}

TEST_F(HatchWindowTest, NoTakesTheHatchAwayAndAZeroDistanceIsRefused) {
  WhenModal<TCrossHatchDlg>([this](TCrossHatchDlg& d) {
    TypeInto(d.Entry(TCrossHatchDlg::Distance), "0");
    PressOk(d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(ui.Texts().back(), "Cross Hatch Distance Must be Greater than Zero");
    TypeInto(d.Entry(TCrossHatchDlg::Distance), "0.25");
    ui.answers = {Answer::No};
    PressOk(d);
  });
  Command("Cross Hatch");
  EXPECT_EQ(ui.Texts().back(), "Cross Hatching, O.K.");
  EXPECT_EQ(Doc().Size(), 4u);
  EXPECT_FALSE(Doc().CanRedo());
}

TEST_F(HatchWindowTest, FewerThanThreeSelectedOpenNoWindow) {
  Click(0.5, 0);  // the lower side alone
  ASSERT_EQ(Doc().SelectedCount(), 1u);
  EXPECT_FALSE(ShowsWindow<TCrossHatchDlg>([this] { Command("Cross Hatch"); }));
  EXPECT_TRUE(ui.Texts().empty());
  EXPECT_EQ(Doc().Size(), 4u);
}

TEST_F(HatchWindowTest, CancelChangesNothingAndHelpShowsThePage) {
  WhenModal<TCrossHatchDlg>([](TCrossHatchDlg& d) {
    EXPECT_EQ(HelpPageOf(d), "Art_Workshop_Xhatch");
    d.reject();
  });
  Command("Cross Hatch");
  EXPECT_EQ(Doc().Size(), 4u);
  EXPECT_TRUE(ui.Texts().empty());
}

}  // namespace
}  // namespace quill
