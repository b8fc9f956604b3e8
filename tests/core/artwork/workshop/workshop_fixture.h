// A job in a temporary home with a workshop document, entities made in one call, and comparisons of
// whole drawings.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "artwork/workshop/document.h"
#include "artwork/workshop/undo_history.h"
#include "geometry/entity_report.h"
#include "job/job.h"
#include "mathlib/constants.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

inline tgEntity Line(double x, double y, double xe, double ye) {
  tgEntity e;
  e.SetLine(x, y, 0, xe, ye, 0);
  return e;
}

inline tgEntity Arc(double cx, double cy, double r, double sa, double fa, bool ccw = true) {
  tgEntity e;
  e.SetArc(cx, cy, 0, r, sa, fa);
  e.SetCCW(ccw);
  return e;
}

inline tgEntity Point(double x, double y) {
  tgEntity e;
  e.SetPoint(x, y, 0);
  return e;
}

// The four sides of the square from (x, y) with side s, counter-clockwise, end to end.
inline std::vector<tgEntity> Square(double x, double y, double s) {
  return {Line(x, y, x + s, y), Line(x + s, y, x + s, y + s), Line(x + s, y + s, x, y + s), Line(x, y + s, x, y)};
}

inline bool SameDrawing(const std::vector<tgEntity>& a, const std::vector<tgEntity>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (!SameEntity(a[i], b[i])) return false;
  }
  return true;
}

class WorkshopTest : public ::testing::Test {
 protected:
  WorkshopTest() : job(ui) { BuildWorkFilePaths(job.paths, home.path() + "/", test::BinaryDir() + "/data/"); }

  // The drawing holds exactly these entities, as one editing run.
  void Fill(std::vector<tgEntity> entities) { doc.Reset(std::move(entities)); }
  void SelectOnly(std::initializer_list<size_t> which) {
    for (size_t i = 0; i < doc.Size(); ++i) doc.Select(i, false);
    for (size_t i : which) doc.Select(i, true);
  }

  test::TempDir home;
  TestUi ui;
  Job job;
  WorkshopDocument doc;
};

inline void ExpectLine(const tgEntity& e, double x, double y, double xe, double ye, double tol = 1e-9) {
  ASSERT_TRUE(e.IsLine()) << e.Describe();
  EXPECT_NEAR(e.X(), x, tol) << e.Describe();
  EXPECT_NEAR(e.Y(), y, tol) << e.Describe();
  EXPECT_NEAR(e.XE(), xe, tol) << e.Describe();
  EXPECT_NEAR(e.YE(), ye, tol) << e.Describe();
}

}  // namespace quill
