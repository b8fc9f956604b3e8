// What the tool tests share: entities made in one call (from the workshop's fixture), whole-list
// comparisons that say where two lists part, and drawings made at random for the differential tests.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../workshop/workshop_fixture.h"
#include "mathlib/constants.h"

namespace quill {

using Drawing = std::vector<tgEntity>;

// Empty when the lists are equal to the last bit; otherwise where and how they differ.
inline std::string Difference(const std::vector<tgEntity>& got, const std::vector<tgEntity>& want) {
  for (size_t i = 0; i < got.size() && i < want.size(); ++i) {
    if (!SameEntity(got[i], want[i])) {
      return "at " + std::to_string(i) + ": " + got[i].Describe() + " / " + want[i].Describe();
    }
  }
  if (got.size() != want.size()) return "sizes " + std::to_string(got.size()) + " / " + std::to_string(want.size());
  return {};
}

// A drawing with what the optimiser meets in traced and imported artwork: chains of lines and arcs on a
// coarse grid (so distances tie), copies and reversed copies, lines that overlap in line, clockwise
// arcs, full circles, points, lines too short to keep and ends that miss each other by a little.
class RandomDrawing {
 public:
  explicit RandomDrawing(unsigned seed) : rng_(seed) {}

  std::vector<tgEntity> Make(size_t count) {
    std::vector<tgEntity> out;
    while (out.size() < count) {
      switch (Pick(10)) {
        case 0: AddCopy(out); break;
        case 1: AddOverlap(out); break;
        case 2: out.push_back(Point(Grid(), Grid())); break;
        case 3: AddArc(out); break;
        case 4: out.push_back(Line(Grid(), Grid(), Grid() + 0.0004, Grid())); break;
        default: AddChain(out); break;
      }
    }
    out.resize(count);
    return out;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  double Grid() { return Pick(41) * 0.5; }
  double Jitter() { return Pick(4) == 0 ? (Pick(2) ? 0.0004 : -0.0007) : 0.0; }

  void AddChain(std::vector<tgEntity>& out) {
    double x = Grid(), y = Grid();
    for (int n = 1 + Pick(8); n > 0; --n) {
      double nx = x + (Pick(5) - 2) * 0.5, ny = y + (Pick(5) - 2) * 0.5;
      if (Pick(6) == 0) {
        // A half circle to the next point.
        double cx = (x + nx) / 2, cy = (y + ny) / 2, r = std::hypot(nx - x, ny - y) / 2;
        if (r > 0) {
          double sa = std::atan2(y - cy, x - cx);
          if (sa < 0) sa += TwoPi;
          out.push_back(Arc(cx, cy, r, sa, sa + Pi, Pick(2) == 0));
        }
      } else {
        out.push_back(Pick(3) ? Line(x, y, nx + Jitter(), ny) : Line(nx, ny, x, y + Jitter()));
      }
      x = nx, y = ny;
    }
  }
  void AddCopy(std::vector<tgEntity>& out) {
    if (out.empty()) return;
    tgEntity e = out[static_cast<size_t>(Pick(static_cast<int>(out.size())))];
    if (Pick(2)) e.Reverse();
    out.push_back(e);
  }
  void AddOverlap(std::vector<tgEntity>& out) {
    double x = Grid(), y = Grid(), dx = (Pick(3) - 1) * 0.5, dy = (Pick(3) - 1) * 0.5;
    out.push_back(Line(x, y, x + 4 * dx, y + 4 * dy));
    out.push_back(Line(x + 3 * dx, y + 3 * dy, x + 6 * dx, y + 6 * dy));
    out.push_back(Line(x + 7 * dx, y + 7 * dy, x + 5 * dx, y + 5 * dy));
  }
  void AddArc(std::vector<tgEntity>& out) {
    double sa = Pick(8) * HalfPi / 2, fa = Pick(3) == 0 ? sa + TwoPi : Pick(8) * HalfPi / 2;
    out.push_back(Arc(Grid(), Grid(), 0.5 + Pick(3) * 0.5, sa, fa, Pick(3) != 0));
  }

  std::mt19937 rng_;
};

}  // namespace quill
