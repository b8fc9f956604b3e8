#include "mathlib/arc_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

namespace quill {
namespace {

constexpr double Tol = 0.001;

std::vector<CurvePoint> ArcPoints(double cx, double cy, double r, double from, double to, int count) {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < count; ++i) {
    double a = from + (to - from) * i / (count - 1);
    pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  return pts;
}

double Gap(const CurvePoint& p, const FitRecord& rec) {
  return std::hypot(p.X - rec.CX, p.Y - rec.CY) - rec.R;
}

double LineGap(const CurvePoint& p, const CurvePoint& a, const CurvePoint& b) {
  double dx = b.X - a.X, dy = b.Y - a.Y, len = std::hypot(dx, dy);
  return len == 0 ? std::hypot(p.X - a.X, p.Y - a.Y) : std::fabs((p.X - a.X) * dy - (p.Y - a.Y) * dx) / len;
}

bool Near(const CurvePoint& a, const CurvePoint& b) {
  return std::fabs(a.X - b.X) < 5e-5 && std::fabs(a.Y - b.Y) < 5e-5;
}

// Index of the input point a record ends on; every record ends exactly on one.
int EndIndex(const std::vector<CurvePoint>& pts, const FitRecord& rec, int from) {
  for (int i = from; i < static_cast<int>(pts.size()); ++i) {
    if (pts[i].X == rec.X && pts[i].Y == rec.Y) return i;
  }
  return -1;
}

// The fitter's promises: a line to the first point first, records marching forward through the points
// to the last one, and every arc through its anchor, middle and end, turning the right way, with the
// points it replaces within the tolerance of its radius.
void CheckFit(const std::vector<CurvePoint>& pts, const std::vector<FitRecord>& recs, double tol) {
  ASSERT_FALSE(recs.empty());
  EXPECT_EQ(recs[0].kind, FitLine);
  EXPECT_EQ(recs[0].X, pts[0].X);
  EXPECT_EQ(recs[0].Y, pts[0].Y);
  int at = 0;
  for (size_t k = 1; k < recs.size(); ++k) {
    const FitRecord& rec = recs[k];
    int end = EndIndex(pts, rec, at + 1);
    ASSERT_GT(end, at) << "record " << k << " does not end on a later point";
    if (rec.kind != FitLine) {
      // Points closer than 5e-05 to the last one emitted add no record, so the arc's own anchor may be
      // one of the points right after the previous record's end.
      int anchor = at;
      while (anchor + 1 < end && std::fabs(Gap(pts[anchor], rec)) > 1e-9 && Near(pts[anchor + 1], pts[at])) ++anchor;
      const int mid = anchor + (end - anchor) / 2;
      EXPECT_NEAR(Gap(pts[anchor], rec), 0, 1e-9) << "anchor of record " << k;
      EXPECT_NEAR(Gap(pts[mid], rec), 0, 1e-9) << "middle of record " << k;
      EXPECT_NEAR(Gap(pts[end], rec), 0, 1e-12) << "end of record " << k;
      for (int j = at; j <= end; ++j) {
        EXPECT_LE(std::fabs(Gap(pts[j], rec)), tol + 1e-12) << "point " << j << " of record " << k;
      }
      // Turning direction: through the middle point, or for a single chord the short way round.
      const CurvePoint& a = end - anchor >= 2 ? pts[anchor] : CurvePoint{rec.CX, rec.CY};
      const CurvePoint& b = end - anchor >= 2 ? pts[mid] : pts[anchor];
      double cross = (b.X - a.X) * (pts[end].Y - b.Y) - (b.Y - a.Y) * (pts[end].X - b.X);
      EXPECT_EQ(rec.kind, cross > 0 ? FitArcCcw : FitArcCw) << "record " << k;
    }
    if (rec.kind == FitLine) {
      for (int j = at + 1; j < end; ++j) EXPECT_LE(LineGap(pts[j], pts[at], pts[end]), tol + 1e-12) << "line " << k;
    }
    at = end;
  }
  EXPECT_EQ(at, static_cast<int>(pts.size()) - 1);
}

int CountKind(const std::vector<FitRecord>& recs, int kind) {
  int n = 0;
  for (const auto& r : recs) n += r.kind == kind;
  return n;
}

TEST(FitTangentArcs, CircleGivesAFewArcsOfItsRadius) {
  auto ccw = ArcPoints(0.5, -0.25, 1.0, 0, 2 * std::numbers::pi, 120);
  auto recs = FitTangentArcs(ccw, Tol);
  CheckFit(ccw, recs, Tol);
  EXPECT_EQ(CountKind(recs, FitLine), 1);
  EXPECT_EQ(CountKind(recs, FitArcCw), 0);
  EXPECT_LE(recs.size(), 6u);
  for (size_t k = 1; k < recs.size(); ++k) EXPECT_NEAR(recs[k].R, 1.0, Tol);

  auto cw = ArcPoints(0, 0, 2.0, 1.0, -2.0, 50);
  auto back = FitTangentArcs(cw, Tol);
  CheckFit(cw, back, Tol);
  EXPECT_EQ(CountKind(back, FitArcCcw), 0);
  EXPECT_GE(CountKind(back, FitArcCw), 1);
}

TEST(FitTangentArcs, CollinearPointsGiveLines) {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < 40; ++i) pts.push_back({0.1 * i, 0.05 * i});
  auto recs = FitTangentArcs(pts, Tol);
  CheckFit(pts, recs, Tol);
  EXPECT_EQ(CountKind(recs, FitLine), static_cast<int>(recs.size()));
}

// Two half circles joined at an inflection: no arc may cross it.
TEST(FitTangentArcs, SCurveSplitsAtTheInflection) {
  auto pts = ArcPoints(0, 0, 1, std::numbers::pi, 0, 40);
  auto second = ArcPoints(2, 0, 1, std::numbers::pi, 2 * std::numbers::pi, 40);
  pts.insert(pts.end(), second.begin() + 1, second.end());
  auto recs = FitTangentArcs(pts, Tol);
  CheckFit(pts, recs, Tol);
  EXPECT_GE(CountKind(recs, FitArcCw), 1);
  EXPECT_GE(CountKind(recs, FitArcCcw), 1);
  int at = 0;
  for (size_t k = 1; k < recs.size(); ++k) {
    int end = EndIndex(pts, recs[k], at + 1);
    if (recs[k].kind != FitLine) {
      EXPECT_TRUE(end <= 39 || at >= 39) << "record " << k << " spans the inflection";
    }
    at = end;
  }
}

TEST(FitTangentArcs, CentresBeyondTheFarLimitGiveLines) {
  auto far = ArcPoints(100.0, 0, 1.0, 2.5, 3.8, 30);
  auto recs = FitTangentArcs(far, Tol);
  CheckFit(far, recs, Tol);
  EXPECT_EQ(CountKind(recs, FitLine), static_cast<int>(recs.size()));
  EXPECT_EQ(recs.size(), far.size());

  auto near = ArcPoints(98.0, 0, 1.0, 2.5, 3.8, 30);
  auto arcs = FitTangentArcs(near, Tol);
  CheckFit(near, arcs, Tol);
  EXPECT_GE(CountKind(arcs, FitArcCcw), 1);
}

// A wobbly curve makes the fitter retry its centres and shorten arcs; the promises still hold.
TEST(FitTangentArcs, NoisyCurveKeepsEveryPromise) {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < 200; ++i) {
    double t = i * 0.05;
    pts.push_back({t, std::sin(t) + 0.002 * std::sin(17 * t) + 0.3 * std::sin(3.1 * t)});
  }
  for (double tol : {0.0001, 0.001, 0.01}) CheckFit(pts, FitTangentArcs(pts, tol), tol);
}

// Curve blocks as the font compiler makes them: 50 points of random Bezier curves, at letter sizes.
TEST(FitTangentArcs, RandomBezierBlocksKeepEveryPromise) {
  std::mt19937 rng(2008);
  std::uniform_real_distribution<double> coord(0, 1);
  for (int round = 0; round < 200; ++round) {
    std::vector<CurvePoint> nodes(3 + round % 6);
    double scale = round % 2 ? 0.05 : 2.0;
    for (auto& n : nodes) n = {coord(rng) * scale, coord(rng) * scale};
    auto pts = BezierPoints(nodes, 50);
    CheckFit(pts, FitTangentArcs(pts, Tol), Tol);
  }
}

// Long runs are fitted piecewise; the result still reaches every point in order.
TEST(FitTangentArcs, MoreThan250Points) {
  auto pts = ArcPoints(1, 1, 3, 0, 5, 700);
  auto recs = FitTangentArcs(pts, Tol);
  CheckFit(pts, recs, Tol);
  EXPECT_LE(recs.size(), 12u);
}

TEST(FitTangentArcs, DegenerateInput) {
  EXPECT_TRUE(FitTangentArcs({}, Tol).empty());
  std::vector<CurvePoint> one{{1, 2}};
  EXPECT_EQ(FitTangentArcs(one, Tol).size(), 1u);
  std::vector<CurvePoint> same(10, CurvePoint{3, 3});
  EXPECT_EQ(FitTangentArcs(same, Tol).size(), 1u);
  std::vector<CurvePoint> bad{{0, 0}, {NAN, 1}, {2, INFINITY}, {3, 3}, {4, 0}};
  auto recs = FitTangentArcs(bad, Tol);
  EXPECT_EQ(recs.back().X, 4);
  auto loose = ArcPoints(0, 0, 1, 0, 3, 20);
  CheckFit(loose, FitTangentArcs(loose, NAN), 0);
}

}  // namespace
}  // namespace quill
