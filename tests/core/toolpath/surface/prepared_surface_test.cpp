// The surfaces' heights and normals, checked against hand computations, and the dialog's refusals.
#include "toolpath/surface/prepared_surface.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ui/test_ui.h"
#include "toolpath/surface/surface_dialog.h"

namespace quill {
namespace {

PreparedSurface Build(SurfaceType type, std::array<double, 9> f, bool bottom = false) {
  PreparedSurface s;
  EXPECT_EQ(BuildSurface({type, bottom, f}, s), "");
  return s;
}

TEST(PreparedSurface, APlaneThroughThreePoints) {
  PreparedSurface p = Build(SurfaceType::Plane, {0, 0, 0, 1, 0, 0, 0, 1, 0.1});
  for (double y : {-2.0, 0.0, 0.7}) EXPECT_NEAR(p.At(3, y).z, 0.1 * y, 1e-12);
  EXPECT_GT(p.normal.Z, 0);
  // Points given the other way round give the same plane, its normal still up.
  PreparedSurface q = Build(SurfaceType::Plane, {0, 1, 0.1, 1, 0, 0, 0, 0, 0});
  EXPECT_NEAR(q.At(0, 0.7).z, 0.07, 1e-12);
  EXPECT_GT(q.normal.Z, 0);
}

TEST(PreparedSurface, ASphereOnTopAndUnderneath) {
  PreparedSurface top = Build(SurfaceType::Sphere, {0, 0, 0, 1});
  SurfaceSample s = top.At(0.6, 0);
  EXPECT_NEAR(s.z, 0.8, 1e-12);
  EXPECT_NEAR(s.normal.X, 0.6, 1e-12);
  EXPECT_NEAR(s.normal.Z, 0.8, 1e-12);
  EXPECT_DOUBLE_EQ(top.At(2, 2).z, 0);  // off the footprint: the centre's height
  PreparedSurface bottom = Build(SurfaceType::Sphere, {0, 0, 0.5, 1}, true);
  SurfaceSample b = bottom.At(0.6, 0);
  EXPECT_NEAR(b.z, 0.5 - 0.8, 1e-12);
  EXPECT_NEAR(b.normal.X, -0.6, 1e-12);  // towards the centre, up to where the tool is
  EXPECT_NEAR(b.normal.Z, 0.8, 1e-12);
}

TEST(PreparedSurface, ALyingConeTakesItsRadiusFromTheSignedPlaceAlongItsAxisHeldToItsEnds) {
  // Axis from (0, 0), radius 1, to (2, 0), radius 0.5, at height 0.
  PreparedSurface cone = Build(SurfaceType::Cone, {0, 0, 1, 2, 0, 0.5, 0});
  EXPECT_FALSE(cone.upright);
  EXPECT_NEAR(cone.At(1, 0).z, 0.75, 1e-12);
  EXPECT_NEAR(cone.At(1, 0.5).z, std::sqrt(0.75 * 0.75 - 0.25), 1e-12);
  EXPECT_NEAR(cone.At(-1, 0).z, 1, 1e-12);  // behind the first end: its radius, not a growing one
  EXPECT_NEAR(cone.At(3, 0).z, 0.5, 1e-12);
  // The side leans: at the top of the cone its normal tips back towards the wide end.
  SurfaceSample s = cone.At(1, 0);
  double slope = 0.25;  // the radius loses 0.5 over 2
  EXPECT_NEAR(s.normal.X, slope / std::hypot(1, slope), 1e-12);
  EXPECT_NEAR(s.normal.Z, 1 / std::hypot(1, slope), 1e-12);
  PreparedSurface cylinder = Build(SurfaceType::Cylinder, {0, 0, 2, 0, 0.25, 1});
  EXPECT_NEAR(cylinder.At(-5, 0.6).z, 0.25 + 0.8, 1e-12);
  EXPECT_NEAR(cylinder.At(1, 0.6).normal.Y, 0.6, 1e-12);
}

TEST(PreparedSurface, AnUprightConeRisesBetweenItsRadiiAndIsFlatBeyond) {
  // Radius 1 at height 1, radius 2 at height 0, either way round.
  for (auto f : {std::array<double, 9>{0, 0, 1, 0, 0, 2, 1, 0}, std::array<double, 9>{0, 0, 2, 0, 0, 1, 0, 1}}) {
    PreparedSurface cone = Build(SurfaceType::Cone, f);
    EXPECT_TRUE(cone.upright);
    EXPECT_NEAR(cone.At(1.5, 0).z, 0.5, 1e-12);
    EXPECT_NEAR(cone.At(0, -1.25).z, 0.75, 1e-12);
    EXPECT_NEAR(cone.At(0.5, 0).z, 1, 1e-12);
    EXPECT_NEAR(cone.At(3, 0).z, 0, 1e-12);
    SurfaceSample s = cone.At(1.5, 0);
    EXPECT_NEAR(s.normal.X, std::sqrt(0.5), 1e-12);  // a 45 degree side
    EXPECT_NEAR(s.normal.Z, std::sqrt(0.5), 1e-12);
    EXPECT_DOUBLE_EQ(cone.At(3, 0).normal.Z, 1);
  }
}

TEST(PreparedSurface, SurfacesThatCannotBeBuiltAreRefused) {
  struct Case {
    SurfaceType type;
    std::array<double, 9> f;
    const char* message;
  };
  const Case cases[] = {
      {SurfaceType::Plane, {0, 0, 0, 1, 1, 1, 2, 2, 2}, "Plane Points Must Be Different Locations, and NON Co-Linear"},
      {SurfaceType::Plane, {0, 0, 0, 0, 0, 0, 1, 0, 0}, "Plane Points Must Be Different Locations, and NON Co-Linear"},
      {SurfaceType::Plane, {0, 0, 0, 1, 0, 0, 0, 0, 1}, "Plane Points Must Be Different Locations, and NON Co-Linear"},
      {SurfaceType::Sphere, {1, 2, 3, 0}, "Sphere Radius Cannot Be Zero"},
      {SurfaceType::Cylinder, {0, 0, 1, 0, 0, 0}, "Cylinder Radius Cannot Be Zero"},
      {SurfaceType::Cylinder, {1, 1, 1, 1, 0, 2}, "Cylinder, Points Cannot be at the Same Location"},
      {SurfaceType::Cone, {0, 0, 0, 1, 0, 1, 0}, "Cone Radius Cannot Be Zero"},
      {SurfaceType::Cone, {0, 0, 1, 1, 0, -1, 0}, "Cone Radius Cannot Be Zero"},
      {SurfaceType::Cone, {0, 0, 1, 0, 0, 1, 0, 1}, "Cone Radius #1 and Radius #2 Must be Different"},
      {SurfaceType::Cone, {0, 0, 1, 0, 0, 1, 0, 0}, "Cone Radius #1 and Radius #2 Must be Different"},
  };
  for (const Case& c : cases) {
    PreparedSurface s;
    s.offset = 42;
    EXPECT_EQ(BuildSurface({c.type, false, c.f}, s), c.message);
    EXPECT_EQ(s.offset, 42) << "a refused surface leaves the old one";
  }
}

TEST(SurfaceDialog, AConeWhoseCentresMeetStandsUprightAndItsFieldsSaySo) {
  SurfaceInput upright{SurfaceType::Cone, false, {1, 2, 0.5, 1.00001, 2, 1, 0, 1}};
  EXPECT_TRUE(ConeStandsUpright(upright));
  auto captions = SurfaceFieldCaptions(SurfaceType::Cone, ConeStandsUpright(upright));
  EXPECT_STREQ(captions[6], "-Z- at Radius #1");
  EXPECT_STREQ(captions[7], "-Z- at Raduis #2");
  upright.field[3] = 1.1;
  captions = SurfaceFieldCaptions(SurfaceType::Cone, ConeStandsUpright(upright));
  EXPECT_STREQ(captions[6], "-Z- Height");
  EXPECT_STREQ(captions[7], "");  // hidden
}

TEST(SurfaceDialog, CalcRadius2WidensTheConeByItsHalfAngle) {
  TestUi ui;
  // Lying: centres 2 apart, radius #1 0.5, 45 degrees: radius #2 = 2.5.
  SurfaceInput lying{SurfaceType::Cone, false, {0, 0, 0.5, 2, 0, 0, 0}};
  EXPECT_EQ(CalcRadius2(ui, lying, 45), "2.500000000000000");
  // Upright: heights 1 and 3, 30 degrees: 0.5 + 2 tan 30.
  SurfaceInput upright{SurfaceType::Cone, false, {1, 1, 0.5, 1, 1, 0, 1, 3}};
  EXPECT_NEAR(std::stod(*CalcRadius2(ui, upright, 30)), 0.5 + 2 * std::tan(M_PI / 6), 1e-14);
  EXPECT_TRUE(ui.messages.empty());
  SurfaceInput flat{SurfaceType::Cone, false, {1, 1, 0.5, 1, 1, 0, 2, 2}};
  EXPECT_FALSE(CalcRadius2(ui, flat, 30));
  EXPECT_FALSE(CalcRadius2(ui, lying, 90));
  EXPECT_EQ(ui.Texts(), (std::vector<std::string>{"Points #1/#2, Must Be At Different Locations",
                                                   "Angle Must be Between -90 and 90 Degrees"}));
}

}  // namespace
}  // namespace quill
