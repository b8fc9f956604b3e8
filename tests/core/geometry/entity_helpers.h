// Entities made in one call, and a fixture that catches the library's error reports.
#pragma once

#include <gtest/gtest.h>

#include "geometry/entity.h"
#include "geometry/entity_report.h"
#include "ui/test_ui.h"

namespace quill {

class GeometryTest : public ::testing::Test {
 protected:
  TestUi ui;
};

inline tgEntity Arc(double cx, double cy, double r, double sa, double fa, bool ccw = true) {
  tgEntity e;
  e.SetArc(cx, cy, 0, r, sa, fa);
  e.SetCCW(ccw);
  return e;
}

inline tgEntity Line(double x, double y, double xe, double ye, double z = 0) {
  tgEntity e;
  e.SetLine(x, y, z, xe, ye, z);
  return e;
}

inline tgEntity Point(double x, double y) {
  tgEntity e;
  e.SetPoint(x, y, 0);
  return e;
}

}  // namespace quill
