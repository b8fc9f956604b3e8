// Carving from the tool path dialog with the "3D Font Carving In Process" window: the same file
// `quill run --carve` writes, the window's bars, its Cancel, and a close refused while it carves.
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "stages/toolpath/carve_status.h"
#include "toolpath/toolpath_choices.h"
#include "toolpath_windows_fixture.h"

namespace quill {
namespace {

class CarvingWindowTest : public ToolPathWindowsTest {
 protected:
  CarvingWindowTest() {
    EngravingSettings& st = s.job.settings;
    st.TSHAPE = ShapeCone;
    st.TLCR = "60.0";
    st.TOOLDIA = "0.25";
    LayOutTrueType("IO", "1.0");
  }
  Tcarvestat* Window() { return Find<Tcarvestat>("Tcarvestat"); }
  void CarveFromTheDialog() {
    ToolPath()->CarveBox()->setChecked(true);
    RunToolPath("Text Only");
  }
};

TEST_F(CarvingWindowTest, CarvingWritesWhatTheToolboxWritesAndFillsTheBars) {
  CarveFromTheDialog();
  ASSERT_TRUE(s.job.flags.ToolPathCreated) << ::testing::PrintToString(s.ui.Texts());
  const std::vector<std::string> desktop = Cl();
  EXPECT_FALSE(Window()->isVisible());
  EXPECT_EQ(Window()->TotalBar()->value(), Window()->TotalBar()->maximum());
  EXPECT_GT(Window()->CharacterBar()->maximum(), 1);

  ToolPathChoices choices;
  choices.source = ToolPathSource::TextOnly;
  choices.carveText = true;
  ASSERT_TRUE(GenerateChosenToolPath(s.job, choices));
  EXPECT_EQ(Cl(), desktop);
}

TEST_F(CarvingWindowTest, CancelStopsTheCarvingAndTheRunCloses) {
  CarveFromTheDialog();
  const size_t whole = Cl().size();
  QTimer::singleShot(0, Window()->CancelButton(), &QPushButton::click);
  CarveFromTheDialog();
  std::vector<std::string> stopped = Cl();
  EXPECT_LT(stopped.size(), whole / 2);
  EXPECT_EQ(stopped.back(), "-999");
  EXPECT_TRUE(Window()->Cancelled());
  EXPECT_FALSE(Window()->isVisible());
}

TEST(CarvingWindow, ClosesOnlyAfterCancelOrAFullTotal) {
  Tcarvestat window;
  window.Begin(10);
  EXPECT_TRUE(window.isVisible());
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.Character(100, 400));
  EXPECT_EQ(window.CharacterBar()->value(), 100);
  EXPECT_TRUE(window.Total(10));
  window.close();
  EXPECT_FALSE(window.isVisible());

  window.Begin(10);
  QTest::keyClick(&window, Qt::Key_Escape);  // Esc is Cancel while it carves
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.Total(1));
  window.close();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace quill
