// The drafting tools on large drawings.  "Optimize Tool Path" on a traced drawing of 20,000 and 200,000
// lines and arcs (closed outlines of short pieces, in the scattered order and direction a tracer leaves
// them, with some pieces traced twice and some split in line), against the plain loops over every pair
// and the rest of the list for each slot at 20,000; and "Cross Hatch" of a 2,000-segment outline at a
// spacing of 0.001.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "../tests/core/artwork/tools/plain_optimizer.h"
#include "artwork/tools/cross_hatch.h"
#include "artwork/tools/optimize.h"
#include "artwork/tools/optimize_steps.h"
#include "mathlib/constants.h"
#include "ui/batch_ui.h"

namespace quill {
namespace {

tgEntity Line(double x, double y, double xe, double ye) {
  tgEntity e;
  e.SetLine(x, y, 0, xe, ye, 0);
  return e;
}

// The piece from a to b: mostly a line, now and then an arc bulging out between them.
void Piece(std::mt19937& rng, double ax, double ay, double bx, double by, std::vector<tgEntity>& out) {
  if (std::uniform_int_distribution<int>(0, 4)(rng) != 0) {
    out.push_back(Line(ax, ay, bx, by));
    if (std::uniform_int_distribution<int>(0, 49)(rng) == 0) out.push_back(Line(bx, by, ax, ay));  // traced twice
    return;
  }
  double mx = (ax + bx) / 2, my = (ay + by) / 2, dx = bx - ax, dy = by - ay;
  double cx = mx + dy * 0.8, cy = my - dx * 0.8;  // right of the travel: the arc runs counter-clockwise
  tgEntity arc;
  arc.SetArc(cx, cy, 0, std::hypot(ax - cx, ay - cy), std::atan2(ay - cy, ax - cx), std::atan2(by - cy, bx - cx));
  out.push_back(arc);
}

// Closed outlines of 20 to 80 pieces each, 0.02 to 0.2 across, spread over a page; shuffled, and about
// half of them turned round.
std::vector<tgEntity> TracedDrawing(size_t count) {
  std::mt19937 rng(17);
  std::uniform_real_distribution<double> unit(0, 1);
  const double side = std::sqrt(static_cast<double>(count)) * 0.03;
  std::vector<tgEntity> out;
  while (out.size() < count) {
    double cx = unit(rng) * side, cy = unit(rng) * side, r = 0.01 + unit(rng) * 0.09;
    int pieces = 20 + static_cast<int>(unit(rng) * 60);
    double px = cx + r, py = cy;
    for (int i = 1; i <= pieces; ++i) {
      double a = TwoPi * i / pieces, rr = i == pieces ? r : r * (0.8 + 0.4 * unit(rng));
      double nx = cx + rr * std::cos(a), ny = cy + rr * std::sin(a);
      Piece(rng, px, py, nx, ny, out);
      px = nx, py = ny;
    }
  }
  out.resize(count);
  std::shuffle(out.begin(), out.end(), rng);
  for (size_t i = 0; i < out.size(); i += 2) out[i].Reverse();
  return out;
}

void BM_OptimizeToolPath(benchmark::State& state) {
  BatchUi ui;
  std::vector<tgEntity> drawing = TracedDrawing(static_cast<size_t>(state.range(0)));
  OptimizeOptions options;
  options.bridgeGaps = true;
  for (auto _ : state) {
    ToolResult r = OptimizeToolPath(ui, drawing, options, 0, 0);
    benchmark::DoNotOptimize(r.entities.data());
    state.counters["left"] = static_cast<double>(r.entities.size());
  }
}
BENCHMARK(BM_OptimizeToolPath)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

// The first three steps alone, fast and plain, on the same drawing.
void BM_ChainSteps(benchmark::State& state) {
  BatchUi ui;
  const bool plain = state.range(1) != 0;
  std::vector<tgEntity> drawing = TracedDrawing(static_cast<size_t>(state.range(0)));
  OptimizeOptions options;
  options.bridgeGaps = true;
  for (auto _ : state) {
    std::vector<tgEntity> w = drawing;
    if (plain) {
      plain::RemoveDuplicates(ui, w);
      plain::MergeSimilar(w);
      plain::ChainEndPoints(ui, w, options, 0, 0);
    } else {
      RemoveDuplicates(ui, w);
      MergeSimilar(ui, w);
      ChainEndPoints(ui, w, options, 0, 0);
    }
    benchmark::DoNotOptimize(w.data());
  }
}
BENCHMARK(BM_ChainSteps)->Args({20000, 0})->Args({20000, 1})->Iterations(1)->Unit(benchmark::kMillisecond);

// A star of 2,000 segments about 4 across, hatched at 0.001 (about 4,000 scan lines).
void BM_CrossHatch(benchmark::State& state) {
  BatchUi ui;
  std::vector<tgEntity> star;
  const int n = 2000;
  auto at = [&](int i, double& x, double& y) {
    double a = TwoPi * i / n, r = 1.5 + 0.5 * std::sin(a * 9);
    x = r * std::cos(a), y = r * std::sin(a);
  };
  for (int i = 0; i < n; ++i) {
    double x, y, xe, ye;
    at(i, x, y);
    at((i + 1) % n, xe, ye);
    star.push_back(Line(x, y, xe, ye));
  }
  HatchOptions options;
  options.angleDegrees = 30;
  options.spacing = 0.001;
  for (auto _ : state) {
    ToolResult r = CrossHatch(ui, star, options);
    state.counters["lines"] = static_cast<double>(r.entities.size());
  }
}
BENCHMARK(BM_CrossHatch)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
