// The View menu's "Re&f-Frame" and the Artwork menu's "&Raised / Inset Letters", driven from the main
// window as the operator does: fields typed, OK or Cancel, and the effect found in the job's settings
// and its artwork file.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>

#include "main_window_fixture.h"
#include "operator_input.h"
#include "records/artwork_record.h"
#include "shell/expr_field.h"
#include "stage_windows_fixture.h"
#include "stages/toolpath/raised_letters_dlg.h"
#include "stages/toolpath/ref_frame_dlg.h"

namespace quill {
namespace {

class FrameAndLettersTest : public MainWindowTest {
 protected:
  FrameAndLettersTest() {
    RegisterStageWindows(context, main.get());
    EngravingSettings& s = job.settings;
    s.RFX = "1", s.RFY = "0.5", s.RFXX = "5", s.RFYY = "2";
  }
  // One square letter from (0, 0) to (1, 1).
  void WriteSquareLetter() {
    TextPathWriter out(job.paths.TextPathFileName);
    out.Write(TpMove, 0, 0, 0);
    for (auto [x, y] : {std::pair{0.0, 1.0}, {1.0, 1.0}, {1.0, 0.0}, {0.0, 0.0}}) out.Write(TpLine, 0, x, y);
    out.Close();
    job.flags.TextPathGenerated = true;
  }
  std::vector<ArtRecord> Hatching() {
    std::vector<ArtRecord> lines;
    if (!test::FileExists(job.paths.ArtFileName)) return lines;
    ArtReader in(job.paths.ArtFileName);
    ArtRecord r;
    while (in.Next(r)) lines.push_back(r);
    return lines;
  }
};

TEST_F(FrameAndLettersTest, RefFrameOpensOnTheFrameAndOkKeepsWhatWasTyped) {
  WhenShown("TRefFrameDlg", [](QDialog* d) {
    auto* dlg = static_cast<TRefFrameDlg*>(d);
    EXPECT_EQ(dlg->windowTitle(), "Refrence Frame");
    EXPECT_TRUE(dlg->EnableBox()->isVisible());
    EXPECT_EQ(dlg->Field(0)->text(), "1.0000");
    EXPECT_EQ(dlg->Field(3)->text(), "2.0000");
    Type(dlg->Field(0), "-0.5");
    Type(dlg->Field(2), "6+1/4");
    dlg->EnableBox()->click();
    Press(d, QDialogButtonBox::Ok);
  });
  Trigger("Ref-Frame");
  EXPECT_EQ(job.settings.RFX, "-0.50000");
  EXPECT_EQ(job.settings.RFXX, "6.25000");
  EXPECT_EQ(job.settings.RFYY, "2.00000");  // every field is worked out on OK
  EXPECT_TRUE(job.flags.RefFrameOn);
  EXPECT_TRUE(job.flags.ProjectModified);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FrameAndLettersTest, RefFrameCancelAndABadNumberLeaveTheFrameAsItWas) {
  bool stayedOpen = false;
  WhenShown("TRefFrameDlg", [&stayedOpen](QDialog* d) {
    auto* dlg = static_cast<TRefFrameDlg*>(d);
    Type(dlg->Field(1), "3*");
    dlg->EnableBox()->click();
    Press(d, QDialogButtonBox::Ok);  // "3*" is no number: the window stays
    stayedOpen = d->isVisible();
    Press(d, QDialogButtonBox::Cancel);
  });
  Trigger("Ref-Frame");
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(job.settings.RFY, "0.5");
  EXPECT_FALSE(job.flags.RefFrameOn);
  EXPECT_FALSE(job.flags.ProjectModified);
}

TEST_F(FrameAndLettersTest, InsetLettersHatchTheInsideOfTheLetter) {
  WriteSquareLetter();
  WhenShown("TRaisedLettersDlg", [](QDialog* d) {
    auto* dlg = static_cast<TRaisedLettersDlg*>(d);
    EXPECT_TRUE(dlg->InsetButton()->isChecked());
    Type(dlg->Field("CutDist"), "0.3");
    Type(dlg->Field("Eoffset"), "0.1");
    Press(d, QDialogButtonBox::Ok);
  });
  Trigger("Raised / Inset Letters");
  std::vector<ArtRecord> lines = Hatching();
  ASSERT_EQ(lines.size(), 3u);  // at y = 0.5, 0.8 and 0.2
  for (const ArtRecord& l : lines) {
    EXPECT_EQ(l.kind, ArtLine);
    EXPECT_NEAR(std::min(l.v[0], l.v[2]), 0.1, 1e-6);
    EXPECT_NEAR(std::max(l.v[0], l.v[2]), 0.9, 1e-6);
  }
  EXPECT_TRUE(job.flags.ArtworkPresent);
  EXPECT_TRUE(job.flags.ProjectModified);
}

TEST_F(FrameAndLettersTest, RaisedLettersFillTheFrameAroundTheLetter) {
  WriteSquareLetter();
  job.settings.RFX = "-1", job.settings.RFY = "-1", job.settings.RFXX = "3", job.settings.RFYY = "3";
  WhenShown("TRaisedLettersDlg", [](QDialog* d) {
    auto* dlg = static_cast<TRaisedLettersDlg*>(d);
    dlg->RaisedButton()->click();
    Type(dlg->Field("CutDist"), "0.5");
    Type(dlg->Field("Eoffset"), "0");
    Press(d, QDialogButtonBox::Ok);
  });
  Trigger("Raised / Inset Letters");
  std::vector<ArtRecord> lines = Hatching();
  ASSERT_FALSE(lines.empty());
  for (const ArtRecord& l : lines) {
    for (int end = 0; end < 2; ++end) {
      double x = l.v[2 * end], y = l.v[2 * end + 1];
      EXPECT_TRUE(x >= -1 - 1e-9 && x <= 2 + 1e-9 && y >= -1 - 1e-9 && y <= 2 + 1e-9) << x << " " << y;
    }
    // Outside the letter: no piece of a line runs across the square's inside.
    double mx = (l.v[0] + l.v[2]) / 2, my = (l.v[1] + l.v[3]) / 2;
    EXPECT_FALSE(mx > 0 && mx < 1 && my > 0 && my < 1) << mx << " " << my;
  }
}

TEST_F(FrameAndLettersTest, ASpacingOfZeroIsRefusedAndCancelWritesNothing) {
  WriteSquareLetter();
  bool stayedOpen = false;
  WhenShown("TRaisedLettersDlg", [&stayedOpen](QDialog* d) {
    Type(static_cast<TRaisedLettersDlg*>(d)->Field("CutDist"), "0");
    Press(d, QDialogButtonBox::Ok);
    stayedOpen = d->isVisible();
    Press(d, QDialogButtonBox::Cancel);
  });
  Trigger("Raised / Inset Letters");
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(ui.Texts(), std::vector<std::string>{"Space Between Cuts Must be Greater Than Zero"});
  EXPECT_FALSE(test::FileExists(job.paths.ArtFileName));
  EXPECT_FALSE(job.flags.ArtworkPresent);
}

}  // namespace
}  // namespace quill
