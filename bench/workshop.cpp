// The Art Workshop on a 100,000-entity drawing the size of an imported DXF map (rounded city blocks
// 4,500 units across, far from the origin): a pick, a window selection, a redraw of the whole picture
// onto a counting canvas, Extents, Select Chain along chains of growing length (it must grow as
// n log n, not n squared), opening and saving the artwork file, and a move of everything with its Undo.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop/document.h"
#include "artwork/workshop/drawing.h"
#include "artwork/workshop/edit_commands.h"
#include "artwork/workshop/picking.h"
#include "artwork/workshop/selection.h"
#include "artwork/workshop/session.h"
#include "artwork/workshop/view_commands.h"
#include "bench_support.h"
#include "mathlib/constants.h"
#include "view/recording_canvas.h"

namespace quill {
namespace {

constexpr size_t kEntities = 100000;
constexpr double kBlock = 40, kOrigin = 2000;  // block pitch; the map starts at (2000, 2000)

tgEntity Line(double x, double y, double xe, double ye) {
  tgEntity e;
  e.SetLine(x, y, 0, xe, ye, 0);
  return e;
}

tgEntity Arc(double cx, double cy, double r, double sa, double fa, bool ccw) {
  tgEntity e;
  e.SetArc(cx, cy, 0, r, sa, fa);
  e.SetCCW(ccw);
  return e;
}

// Blocks of four sides and four rounded corners, 8 entities each; every seventh corner runs clockwise.
std::vector<tgEntity> Map() {
  std::vector<tgEntity> out;
  out.reserve(kEntities);
  const double side = 30, r = 3;
  for (size_t n = 0; out.size() < kEntities; ++n) {
    double x = kOrigin + static_cast<double>(n % 112) * kBlock, y = kOrigin + static_cast<double>(n / 112) * kBlock;
    double a = x + r, b = x + side - r, c = y + r, d = y + side - r;
    out.push_back(Line(a, y, b, y));
    out.push_back(Arc(b, c, r, ThreeHalfPi, TwoPi, true));
    out.push_back(Line(x + side, c, x + side, d));
    out.push_back(n % 7 ? Arc(b, d, r, 0, HalfPi, true) : Arc(b, d, r, HalfPi, 0, false));
    out.push_back(Line(b, y + side, a, y + side));
    out.push_back(Arc(a, d, r, HalfPi, Pi, true));
    out.push_back(Line(x, d, x, c));
    out.push_back(Arc(a, c, r, Pi, ThreeHalfPi, true));
  }
  out.resize(kEntities);
  return out;
}

struct Workshop {
  Workshop() : canvas(1920, 1080, 96, false), session(bench.job, doc, canvas) {
    doc.Reset(Map());
    ViewExtents(doc);
    session.ShowWindow();
  }
  bench::BenchJob bench;
  WorkshopDocument doc;
  RecordingCanvas canvas;
  WorkshopSession session;
};

Workshop& Shared() {
  static Workshop w;
  return w;
}

void BM_Pick(benchmark::State& state) {
  Workshop& w = Shared();
  double grow = 0.1 / w.session.View().UnitsToInches();
  long picked = -1;
  for (auto _ : state)
    benchmark::DoNotOptimize(picked = NearestEntity(w.doc, kOrigin + 55 * kBlock, kOrigin + 15, grow));
  if (picked < 0) state.SkipWithError("the pick hit nothing");
  state.SetItemsProcessed(state.iterations() * static_cast<long>(kEntities));
}
BENCHMARK(BM_Pick)->Unit(benchmark::kMillisecond);

void BM_SelectWindow(benchmark::State& state) {
  Workshop& w = Shared();
  size_t inside = 0;
  for (auto _ : state) {
    SelectNone(w.doc);
    inside = SelectWindow(w.doc, kOrigin, kOrigin, kOrigin + 56 * kBlock, kOrigin + 56 * kBlock);
  }
  state.counters["selected"] = static_cast<double>(inside);
  SelectNone(w.doc);
}
BENCHMARK(BM_SelectWindow)->Unit(benchmark::kMillisecond);

// The whole picture at the extents, through the view object, with a quarter of it selected (the
// selection squares drawn too).
void BM_Redraw(benchmark::State& state) {
  Workshop& w = Shared();
  SelectWindow(w.doc, kOrigin, kOrigin, kOrigin + 56 * kBlock, kOrigin + 56 * kBlock);
  for (auto _ : state) {
    w.canvas.Reset();
    w.session.Redraw();
  }
  state.counters["canvas_ops"] = static_cast<double>(w.canvas.Count());
  SelectNone(w.doc);
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

void BM_Extents(benchmark::State& state) {
  Workshop& w = Shared();
  for (auto _ : state) benchmark::DoNotOptimize(ViewExtents(w.doc));
}
BENCHMARK(BM_Extents)->Unit(benchmark::kMillisecond);

// A zig-zag chain of n lines, shuffled in the list and every third one reversed, selected from its
// first line: every step must find its neighbour without walking the list.
void BM_SelectChain(benchmark::State& state) {
  size_t n = static_cast<size_t>(state.range(0));
  std::vector<tgEntity> chain;
  for (size_t i = 0; i < n; ++i) {
    double x = kOrigin + static_cast<double>(i), y0 = static_cast<double>(i % 2), y1 = static_cast<double>((i + 1) % 2);
    chain.push_back(i % 3 == 2 ? Line(x + 1, y1, x, y0) : Line(x, y0, x + 1, y1));
  }
  std::shuffle(chain.begin() + 1, chain.end(), std::mt19937(18));
  WorkshopDocument doc;
  doc.Reset(chain);
  BatchUi ui;
  size_t added = 0;
  for (auto _ : state) {
    SelectNone(doc);
    doc.Select(0, true);
    added = SelectChain(ui, doc);
  }
  if (added != n - 1) state.SkipWithError("the chain was not followed to its end");
  state.SetComplexityN(static_cast<long>(n));
}
BENCHMARK(BM_SelectChain)->RangeMultiplier(2)->Range(12500, 100000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_OpenArtwork(benchmark::State& state) {
  Workshop& w = Shared();
  Job& job = w.bench.job;
  SaveArtwork(job, w.doc);
  WorkshopDocument doc;
  for (auto _ : state) {
    doc.loaded = false;
    OpenWorkshop(job, doc);
  }
  if (doc.Size() != kEntities) state.SkipWithError("the artwork did not come back whole");
}
BENCHMARK(BM_OpenArtwork)->Unit(benchmark::kMillisecond);

void BM_SaveArtwork(benchmark::State& state) {
  Workshop& w = Shared();
  for (auto _ : state) benchmark::DoNotOptimize(SaveArtwork(w.bench.job, w.doc));
}
BENCHMARK(BM_SaveArtwork)->Unit(benchmark::kMillisecond);

void BM_MoveEverythingAndUndo(benchmark::State& state) {
  Workshop& w = Shared();
  for (auto _ : state) {
    SelectAll(w.doc);
    MoveSelected(w.bench.job.ui, w.doc, 1, 1);
    w.doc.Undo();
  }
  SelectNone(w.doc);
}
BENCHMARK(BM_MoveEverythingAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
