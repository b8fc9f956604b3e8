// Modify Artwork from the main window's Artwork menu: the window's fields, the change of the artwork
// file with the picture zoomed to it, the optional cutting order, and the refusals that keep the
// window open and the file as it was.
#include <QCheckBox>

#include "artwork/modify_art_dlg.h"
#include "records/artwork_record.h"
#include "shell/expr_field.h"
#include "workshop_tools_fixture.h"

namespace quill {
namespace {

class ModifyArtworkWindowTest : public WorkshopToolsTest {
 protected:
  static void ExpectLine(const ArtRecord& r, double x1, double y1, double x2, double y2) {
    EXPECT_EQ(r.kind, ArtLine);
    double expected[4] = {x1, y1, x2, y2};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(r.v[k], expected[k], 1e-9) << k;
  }
  // Types the fields given as (field, text) and presses OK; the window is then expected open or shut.
  void Modify(std::vector<std::pair<TModifyArtDlg::Field, const char*>> typed, bool staysOpen = false,
              bool optimize = false) {
    WhenModal<TModifyArtDlg>([=](TModifyArtDlg& d) {
      for (auto [field, text] : typed) TypeInto(d.Entry(field), text);
      d.BoxOptimize().setChecked(optimize);
      PressOk(d);
      EXPECT_EQ(d.isVisible(), staysOpen);
      if (staysOpen) d.reject();
    });
    Trigger("Modify Artwork");
  }
};

TEST_F(ModifyArtworkWindowTest, OffsetScaleAndTurnChangeTheFileAndThePictureShowsIt) {
  WriteArt({"1 1.0 0.0 2.0 0.0 0.0"});
  WhenModal<TModifyArtDlg>([](TModifyArtDlg& d) {
    EXPECT_EQ(d.windowTitle(), "Modify Artwork");
    EXPECT_EQ(HelpPageOf(d), "Modify_Artwork");
    EXPECT_EQ(d.Entry(TModifyArtDlg::Xscale).text(), "1.0");
    EXPECT_EQ(d.Entry(TModifyArtDlg::Endtol).text(), "0.001");
    EXPECT_FALSE(d.Entry(TModifyArtDlg::Endtol).isEnabled());
    d.BoxOptimize().setChecked(true);
    EXPECT_TRUE(d.Entry(TModifyArtDlg::Endtol).isEnabled());
    d.BoxOptimize().setChecked(false);
    TypeInto(d.Entry(TModifyArtDlg::XOFF), "1");
    TypeInto(d.Entry(TModifyArtDlg::Xscale), "2");
    TypeInto(d.Entry(TModifyArtDlg::Yscale), "4/2");
    TypeInto(d.Entry(TModifyArtDlg::Rotangle), "90");
    PressOk(d);
  });
  Trigger("Modify Artwork");
  std::vector<ArtRecord> art = ArtworkFile(job);
  ASSERT_EQ(art.size(), 1u);
  ExpectLine(art[0], 2, 2, 2, 4);
  EXPECT_TRUE(job.flags.ProjectModified);
  // The picture is zoomed to what the file now holds.
  const WorldWindow& w = job.view.ViewWindow;
  EXPECT_TRUE(w.Xmin <= 2 && w.Xmax >= 2 && w.Ymin <= 2 && w.Ymax >= 4 && w.Ymax < 10) << w.Ymin << " " << w.Ymax;
}

TEST_F(ModifyArtworkWindowTest, TheOrderFollowsTheEndPointsFromTheOrigin) {
  WriteArt({"1 5.0 0.0 6.0 0.0 0.0", "1 1.0 0.0 0.0 0.0 0.0", "1 1.0 0.0 2.0 0.0 0.0", "0 0.0 0.0 0.0 0.0 0.0"});
  Modify({{TModifyArtDlg::Endtol, "0.01"}}, false, true);
  std::vector<ArtRecord> art = ArtworkFile(job);
  ASSERT_EQ(art.size(), 3u);  // the move record is no artwork
  ExpectLine(art[0], 0, 0, 1, 0);
  ExpectLine(art[1], 1, 0, 2, 0);
  ExpectLine(art[2], 5, 0, 6, 0);
}

TEST_F(ModifyArtworkWindowTest, RefusalsKeepTheWindowOpenAndTheFileAsItWas) {
  WriteArt({"1 1.0 0.0 2.0 0.0 0.0", "3 0.0 0.0 1.0 0.0 1.5707963268"});
  std::string before = test::ReadFile(job.paths.ArtFileName);
  Modify({{TModifyArtDlg::Yscale, "0"}}, true);
  ASSERT_FALSE(ui.Texts().empty());
  EXPECT_EQ(ui.Texts().back(), "X / Y Scale May Not be Zero");
  Modify({{TModifyArtDlg::Yscale, "1"}, {TModifyArtDlg::Xscale, "2"}}, true);
  EXPECT_EQ(ui.Texts().back().rfind("File contains Arcs,X/Y Scale must be Equal", 0), 0u) << ui.Texts().back();
  Modify({{TModifyArtDlg::Xscale, "abc"}}, true);  // no number: "Error in Expression"
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), before);
}

TEST_F(ModifyArtworkWindowTest, CancelInTheWorkingWindowLeavesTheFile) {
  WriteArt({"1 5.0 0.0 6.0 0.0 0.0", "1 1.0 0.0 0.0 0.0 0.0"});
  std::string before = test::ReadFile(job.paths.ArtFileName);
  ui.cancelAfter = 0;
  Modify({{TModifyArtDlg::XOFF, "3"}}, true, true);
  EXPECT_EQ(test::ReadFile(job.paths.ArtFileName), before);
}

}  // namespace
}  // namespace quill
