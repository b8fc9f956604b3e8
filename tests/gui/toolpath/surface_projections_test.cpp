// "Surface Projections": captions that follow the surface, "Calc Radius #2", OK that refuses a
// surface it cannot build, Cancel that keeps the project, and the tool path it makes from the tool
// path dialog, the same as the program's own projection with that tolerance.
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "operator_input.h"
#include "records/artwork_record.h"
#include "records/cl_record.h"
#include "shell/expr_field.h"
#include "stages/toolpath/surf_proj_form.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath_windows_fixture.h"

namespace quill {
namespace {

class SurfaceProjectionsTest : public ToolPathWindowsTest {
 protected:
  TSurfProjForm* Form() { return Find<TSurfProjForm>("TSurfProjForm"); }
  // The sphere of radius 2 about the origin, as typed into the window.
  static void TypeSphere(TSurfProjForm* f, const char* radius, const char* tolerance) {
    f->TypeButton(SurfaceType::Sphere)->click();
    for (int i = 0; i < 3; ++i) Type(f->Field(i), "0");
    Type(f->Field(3), radius);
    Type(f->ToleranceField(), tolerance);
  }
};

TEST_F(SurfaceProjectionsTest, CaptionsFollowTheSurfaceAndAnUprightCone) {
  TSurfProjForm* f = Form();
  f->show();
  EXPECT_EQ(f->Caption(8)->text(), "Point #3 -Z-");
  EXPECT_FALSE(f->PlaceBox()->isEnabled());
  EXPECT_FALSE(f->AngleField()->isVisible());

  f->TypeButton(SurfaceType::Sphere)->click();
  EXPECT_EQ(f->Caption(3)->text(), "Sphere Radius");
  EXPECT_FALSE(f->Field(4)->isVisible());
  EXPECT_TRUE(f->PlaceBox()->isEnabled());
  EXPECT_TRUE(f->NormalBox()->isEnabled());

  // Both centres at the origin: the cone stands upright and asks the height at each radius.
  f->TypeButton(SurfaceType::Cone)->click();
  EXPECT_EQ(f->Caption(6)->text(), "-Z- at Radius #1");
  EXPECT_EQ(f->Caption(7)->text(), "-Z- at Raduis #2");
  EXPECT_TRUE(f->Field(7)->isVisible());
  EXPECT_TRUE(f->AngleField()->isVisible());
  EXPECT_EQ(f->CalcButton()->toolTip(), "Enter Angle & Press [Calc] to Calculate Radius #2");
  Type(f->Field(3), "4");
  EXPECT_EQ(f->Caption(6)->text(), "-Z- Height");
  EXPECT_FALSE(f->Field(7)->isVisible());
}

TEST_F(SurfaceProjectionsTest, CalcRadius2WorksFromTheAngleAndSaysWhenItCannot) {
  TSurfProjForm* f = Form();
  f->show();
  f->TypeButton(SurfaceType::Cone)->click();
  Type(f->Field(2), "1");   // radius #1
  Type(f->Field(6), "0");   // -Z- at radius #1
  Type(f->Field(7), "-1");  // -Z- at radius #2
  Type(f->AngleField(), "45");
  QTest::mouseClick(f->CalcButton(), Qt::LeftButton);
  EXPECT_EQ(f->Field(5)->text(), "2.000000000000000");

  Type(f->Field(7), "0");  // both ends at one height
  QTest::mouseClick(f->CalcButton(), Qt::LeftButton);
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Points #1/#2, Must Be At Different Locations"});
  EXPECT_EQ(f->Field(5)->text(), "2.000000000000000");
}

TEST_F(SurfaceProjectionsTest, OkKeepsASurfaceItCanBuildAndCancelKeepsTheProject) {
  TSurfProjForm* f = Form();
  f->show();
  TypeSphere(f, "0", "0.0250");
  Press(f, QDialogButtonBox::Ok);
  EXPECT_TRUE(f->isVisible());
  EXPECT_EQ(s.ui.Texts(), std::vector<std::string>{"Sphere Radius Cannot Be Zero"});
  EXPECT_EQ(s.job.settings.PSSURFTYPE, 0);
  EXPECT_EQ(s.job.settings.PSEDIT[3], "0.0");

  Type(f->Field(3), "2");
  Press(f, QDialogButtonBox::Ok);
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(s.job.settings.PSSURFTYPE, 1);
  EXPECT_EQ(s.job.settings.PSEDIT[3], "2.00000");
  EXPECT_TRUE(s.job.flags.ProjectModified);

  s.job.flags.ProjectModified = false;
  f->show();
  EXPECT_EQ(f->Field(3)->text(), "2.00000");
  f->TypeButton(SurfaceType::Cylinder)->click();
  Type(f->Field(3), "7");
  Press(f, QDialogButtonBox::Cancel);
  EXPECT_EQ(s.job.settings.PSSURFTYPE, 1);
  EXPECT_EQ(s.job.settings.PSEDIT[3], "2.00000");
  EXPECT_FALSE(s.job.flags.ProjectModified);
}

// A line across a sphere of radius 2, cut by the cone's point: every written point lies on the sphere,
// and the file is the one the program's own projection writes with the window's tolerance.
TEST_F(SurfaceProjectionsTest, TheToolPathFollowsTheSurfaceWithTheWindowsTolerance) {
  ArtWriter art(s.job.paths.ArtFileName, false);
  art.Line(-1.5, 0.5, 1.5, 0.5);
  art.Close();
  s.job.flags.ArtworkPresent = true;
  TGenTpathDlg* dlg = ToolPath();
  dlg->show();
  QTest::mouseClick(dlg->ProjectButton(), Qt::LeftButton);
  WhenShown("TSurfProjForm", [](QDialog* d) {
    TypeSphere(static_cast<TSurfProjForm*>(d), "2", "0.002");
    Press(d, QDialogButtonBox::Ok);
  });
  QTest::mouseClick(dlg->ProjectionsButton(), Qt::LeftButton);
  RunToolPath("Artwork Only");
  ASSERT_TRUE(s.job.flags.ToolPathCreated) << ::testing::PrintToString(s.ui.Texts());
  const std::vector<std::string> desktop = Cl();

  int onSphere = 0;
  for (const std::string& line : desktop) {
    ClRecord r;
    if (!ParseClRecord(line, r) || r.code != ClFeed) continue;
    EXPECT_NEAR(r.Z, std::sqrt(4 - r.X * r.X - r.Y * r.Y), 1e-9) << line;
    ++onSphere;
  }
  EXPECT_GT(onSphere, 20);

  SurfaceProjector projector(s.job, 0.002);
  ToolPathPlugins plugins;
  plugins.projection = &projector;
  ASSERT_TRUE(GenerateToolPath(s.job, dlg->Options(), false, plugins));
  EXPECT_EQ(Cl(), desktop);
}

}  // namespace
}  // namespace quill
