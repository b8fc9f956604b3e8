// The tool path carried onto a surface: the tool's shape against hand computations, and whole runs
// whose every written point touches the surface while the moves between keep to the tolerance.
#include "toolpath/surface/surface_projector.h"

#include <cmath>

#include "../outline_support.h"
#include "../toolpath_fixture.h"
#include "toolpath/generate_toolpath.h"

namespace quill {
namespace {

class ProjectionTest : public ToolPathTest {
 protected:
  ProjectionTest() {
    job.settings.ZCLEAR = "2";
    job.settings.TSHAPE = ShapeCone;
  }
  void Surface(SurfaceType type, std::array<std::string, 9> fields, bool normals = false, bool bottom = false) {
    job.settings.PSSURFTYPE = static_cast<int>(type);
    for (std::string& f : fields) {
      if (f.empty()) f = "0.0";
    }
    job.settings.PSEDIT = fields;
    job.settings.PSPROJECTNORM = normals ? 1 : 0;
    job.settings.PSTOPBOT = bottom ? 1 : 0;
  }
  void Ball(double diameter) {
    job.settings.TSHAPE = ShapeBall;
    job.settings.TOOLDIA = std::to_string(diameter);
    job.settings.TLCR = std::to_string(diameter / 2);
  }
  bool Project() {
    ToolPathOptions o;
    o.source = ToolPathSource::ArtworkOnly;
    o.zAxis = ZAxisMode::ProjectOnSurface;
    return GenerateToolPath(job, o, false);
  }
  // The cut moves (feed at the cut feed) and the plunge before them.
  std::vector<Vector3> Path() {
    std::vector<Vector3> out;
    for (const ClRecord& r : ReadCl(job.paths.CLFileName)) {
      if (r.code == ClFeed) out.push_back({r.X, r.Y, r.Z});
    }
    return out;
  }
  // Every point of the line or arc, projected, lies within the tolerance of the moves written.
  void ExpectWithinTolerance(const std::vector<Vector3>& path, const std::vector<std::pair<double, double>>& along,
                             double tolerance) {
    SurfaceProjector fine(job);
    ASSERT_TRUE(fine.PrepareSurface());
    for (auto [x0, y0] : along) {
      double x = x0, y = y0, z = 0;
      fine.ProjectPoint(x, y, z);
      double best = 1e300;
      for (size_t i = 0; i + 1 < path.size(); ++i) best = std::min(best, Distance(path[i], path[i + 1], {x, y, z}));
      EXPECT_LE(best, tolerance + 1e-9) << x0 << " " << y0;
    }
  }
  static double Distance(const Vector3& a, const Vector3& b, const Vector3& p) {
    Vector3 ab{b.X - a.X, b.Y - a.Y, b.Z - a.Z}, ap{p.X - a.X, p.Y - a.Y, p.Z - a.Z};
    double l2 = DotProduct(ab, ab), t = l2 > 0 ? std::clamp(DotProduct(ap, ab) / l2, 0.0, 1.0) : 0;
    return std::hypot(ap.X - t * ab.X, ap.Y - t * ab.Y, ap.Z - t * ab.Z);
  }
  static std::vector<std::pair<double, double>> LinePoints(double x1, double y1, double x2, double y2) {
    std::vector<std::pair<double, double>> out;
    for (int k = 0; k <= 2000; ++k) out.push_back({x1 + (x2 - x1) * k / 2000.0, y1 + (y2 - y1) * k / 2000.0});
    return out;
  }
};

TEST_F(ProjectionTest, AToolStandingOnATiltedPlaneTouchesItWithItsLowestEdge) {
  // The plane z = x.
  Surface(SurfaceType::Plane, {"0", "0", "0", "0", "1", "0", "1", "0", "1"});
  SurfaceProjector cone(job);
  ASSERT_TRUE(cone.PrepareSurface());
  double x = 0.3, y = 5, z = 0;
  cone.ProjectPoint(x, y, z);
  EXPECT_NEAR(z, 0.3, 1e-12);
  // A ball of radius 0.1: its centre 0.1 off the plane, sqrt 2 x 0.1 above it, the tip 0.1 lower.
  Ball(0.2);
  SurfaceProjector ball(job);
  ASSERT_TRUE(ball.PrepareSurface());
  x = 0.3, z = 0;
  ball.ProjectPoint(x, y, z);
  EXPECT_NEAR(z, 0.3 + 0.1 * (std::sqrt(2) - 1), 1e-12);
  EXPECT_DOUBLE_EQ(x, 0.3);  // upright on a plane: no sideways shift
  // A flat end of radius 0.1: its uphill edge, 0.1 further along x, rests on the plane.
  job.settings.TSHAPE = ShapeFlat;
  SurfaceProjector flat(job);
  ASSERT_TRUE(flat.PrepareSurface());
  x = 0.3, z = 0;
  flat.ProjectPoint(x, y, z);
  EXPECT_NEAR(z, 0.4, 1e-12);
}

TEST_F(ProjectionTest, ToolsAlongTheNormalTouchTheSurfaceAtThePoint) {
  Surface(SurfaceType::Sphere, {"0", "0", "0", "1"}, true);
  Ball(0.2);
  SurfaceProjector ball(job);
  ASSERT_TRUE(ball.PrepareSurface());
  double x = 0.6, y = 0, z = 0;
  ball.ProjectPoint(x, y, z);
  // The ball's centre sits 1.1 from the sphere's centre, along the normal at (0.6, 0, 0.8).
  EXPECT_NEAR(x, 0.66, 1e-12);
  EXPECT_NEAR(z + 0.1, 0.88, 1e-12);
  // A flat end's edge touches: its axis half a diameter out, its tip at the point's height.
  job.settings.TSHAPE = ShapeFlat;
  SurfaceProjector flat(job);
  ASSERT_TRUE(flat.PrepareSurface());
  x = 0.6, y = 0, z = 0;
  flat.ProjectPoint(x, y, z);
  EXPECT_NEAR(x, 0.7, 1e-12);
  EXPECT_NEAR(z, 0.8, 1e-12);
}

TEST_F(ProjectionTest, ALineOverASphereTouchesItEverywhereWithinTheTolerance) {
  Surface(SurfaceType::Sphere, {"0.2", "-0.1", "-1", "1.5"}, true);
  Ball(0.1);
  WriteArtwork("1 -1 -0.5 1.2 0.7 0.0\r\n");
  ASSERT_TRUE(Project()) << ::testing::PrintToString(ui.Texts());
  std::vector<Vector3> path = Path();
  ASSERT_GT(path.size(), 5u);
  for (const Vector3& p : path) {
    EXPECT_NEAR(std::hypot(p.X - 0.2, p.Y + 0.1, p.Z + 0.05 + 1), 1.5 + 0.05, 1e-9);
  }
  ExpectWithinTolerance(path, LinePoints(-1, -0.5, 1.2, 0.7), DefaultProjectionTolerance);

  // Off the sphere's edge, where it drops to its centre's height, the tip still keeps to it.
  Surface(SurfaceType::Sphere, {"0", "0", "0", "1"});
  WriteArtwork("1 0 0.3 1.8 0.3 0.0\r\n");
  ASSERT_TRUE(Project());
  path = Path();
  for (const Vector3& p : path) EXPECT_NEAR(p.Z, std::sqrt(std::max(0.0, 1 - p.X * p.X - p.Y * p.Y)), 1e-9);
  ExpectWithinTolerance(path, LinePoints(0, 0.3, 1.8, 0.3), DefaultProjectionTolerance);
}

TEST_F(ProjectionTest, ALineAcrossALyingCylinderAndConeFollowsTheirSides) {
  Ball(0.1);
  WriteArtwork("1 0.3 -0.9 1.4 0.8 0.0\r\n");
  // The cylinder's axis from (0, 0) to (2, 0.5) at height 0.2, radius 1.
  Surface(SurfaceType::Cylinder, {"0", "0", "2", "0.5", "0.2", "1"}, true);
  ASSERT_TRUE(Project());
  std::vector<Vector3> path = Path();
  ASSERT_GT(path.size(), 5u);
  double ax = 2 / std::hypot(2, 0.5), ay = 0.5 / std::hypot(2, 0.5);
  for (const Vector3& p : path) {
    double along = p.X * ax + p.Y * ay, cz = p.Z + 0.05;
    double fromAxis = std::hypot(p.X - along * ax, p.Y - along * ay, cz - 0.2);
    EXPECT_NEAR(fromAxis, 1.05, 1e-9) << p.X << " " << p.Y << " " << p.Z;
  }
  ExpectWithinTolerance(path, LinePoints(0.3, -0.9, 1.4, 0.8), DefaultProjectionTolerance);

  // The cone from (0, 0), radius 1, to (2, 0), radius 0.5, at height 0: the ball's centre lies 0.05
  // from the line that draws its side.
  Surface(SurfaceType::Cone, {"0", "0", "1", "2", "0", "0.5", "0"}, true);
  WriteArtwork("1 0.3 -0.6 1.4 0.5 0.0\r\n");
  ASSERT_TRUE(Project());
  path = Path();
  ASSERT_GT(path.size(), 3u);
  for (const Vector3& p : path) {
    double s = p.X, rho = std::hypot(p.Y, p.Z + 0.05);  // along the axis, and away from it
    EXPECT_NEAR(std::fabs(rho - 1 + 0.25 * s) / std::hypot(1, 0.25), 0.05, 1e-9);
  }
  ExpectWithinTolerance(path, LinePoints(0.3, -0.6, 1.4, 0.5), DefaultProjectionTolerance);
}

TEST_F(ProjectionTest, AnArcOverASphereFollowsItAsFarAsTheTolerance) {
  Surface(SurfaceType::Sphere, {"0", "0", "0", "2"});
  // A clockwise half circle of radius 1 about (0, 0), from (1, 0) to (-1, 0) through (0, -1) ...
  WriteArtwork("2 0 0 1 0 3.1415926536\r\n");
  ASSERT_TRUE(Project());
  std::vector<Vector3> path = Path();
  for (const Vector3& p : path) EXPECT_NEAR(p.Z, std::sqrt(4 - p.X * p.X - p.Y * p.Y), 1e-9);
  std::vector<std::pair<double, double>> along;
  for (int k = 0; k <= 1000; ++k) along.push_back({std::cos(-M_PI * k / 1000), std::sin(-M_PI * k / 1000)});
  ExpectWithinTolerance(path, along, DefaultProjectionTolerance);
  for (const Vector3& p : path) EXPECT_LE(p.Y, 1e-9);
  // ... and a full counter-clockwise circle, whose ends meet.
  WriteArtwork("3 0 0 1 0 6.2831853072\r\n");
  ASSERT_TRUE(Project());
  path = Path();
  EXPECT_NEAR(path.front().X, path.back().X, 1e-9);
  along.clear();
  for (int k = 0; k <= 1000; ++k) along.push_back({std::cos(2 * M_PI * k / 1000), std::sin(2 * M_PI * k / 1000)});
  ExpectWithinTolerance(path, along, DefaultProjectionTolerance);
}

TEST_F(ProjectionTest, ALineOnAPlaneIsOneMove) {
  Surface(SurfaceType::Plane, {"0", "0", "0", "1", "0", "0", "0", "1", "0.1"});
  WriteArtwork("1 0 0 3 2 0.0\r\n");
  ASSERT_TRUE(Project());
  std::vector<Vector3> path = Path();
  ASSERT_EQ(path.size(), 2u);  // the plunge and the cut
  EXPECT_NEAR(path[1].Z, 0.2, 1e-12);
}

TEST_F(ProjectionTest, SurfacesThatCannotBeBuiltStopTheRunBeforeTheFileIsTouched) {
  WriteArtwork("1 0 0 1 0 0.0\r\n");
  Surface(SurfaceType::Sphere, {"0", "0", "0", "0"});
  EXPECT_FALSE(Project());
  Surface(SurfaceType::Cone, {"0", "0", "1", "0", "0", "1", "0", "0"});
  EXPECT_FALSE(Project());
  EXPECT_EQ(ui.Texts(),
            (std::vector<std::string>{"Sphere Radius Cannot Be Zero", "Cone Radius #1 and Radius #2 Must be Different"}));
  EXPECT_FALSE(test::FileExists(job.paths.CLFileName));
  Surface(SurfaceType::Sphere, {"0", "0", "0", "1"});
  SurfaceProjector loose(job, 0);
  EXPECT_FALSE(loose.PrepareSurface());
  EXPECT_EQ(ui.Texts().back(), "Projection Tolerance Must be Greater Than Zero");
}

}  // namespace
}  // namespace quill
