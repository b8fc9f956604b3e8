// 3D carving of 20 TrueType characters at one inch (the goal: well under a second), and the carving
// circles' collision test through the grid against testing every piece of the character.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "bench_support.h"
#include "geometry/intersection.h"
#include "mathlib/constants.h"
#include "textpath/generate_text_path.h"
#include "toolpath/carve/carve_circle.h"
#include "toolpath/carve/carve_outline.h"
#include "toolpath/generate_toolpath.h"

namespace quill {
namespace {

void LayOut(Job& job, const std::string& text) {
  job.settings.BFONTTYPE = 1;
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = 0;
  job.settings.TEXTHIGH = "1.0";
  job.settings.TOOLDIA = "0.25";
  job.text = {text};
  job.flags.TextPathGenerated = GenerateTextPath(job, false) == TextPathOutcome::Generated;
}

void BM_CarveTwentyCharacters(benchmark::State& state) {
  bench::BenchJob b;
  LayOut(b.job, "QUILLMARKPRO2008CAMS");
  ToolPathOptions o;
  o.carveText = true;
  for (auto _ : state) {
    if (!GenerateToolPath(b.job, o, false)) {
      state.SkipWithError("carving failed");
      break;
    }
  }
  state.counters["chars/s"] = benchmark::Counter(20.0 * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CarveTwentyCharacters)->Unit(benchmark::kMillisecond);

// The pieces of an O one inch high, and circles of every size around it.
struct CollisionCase {
  BatchUi ui{stderr};
  CarveOutline outline{0.01};
  std::vector<std::array<double, 3>> circles;
  CollisionCase() {
    for (double r : {0.5, 0.38}) {
      outline.Move(r, 0);
      for (int k = 1; k <= 200; ++k) outline.LineTo(r * std::cos(k * TwoPi / 200), r * std::sin(k * TwoPi / 200));
    }
    std::mt19937 random(7);
    std::uniform_real_distribution<double> place(-0.5, 0.5), size(0.001, 0.125);
    for (int i = 0; i < 1000; ++i) circles.push_back({place(random), place(random), size(random)});
  }
};

void BM_CollisionThroughTheGrid(benchmark::State& state) {
  CollisionCase c;
  CarvePieces near(c.ui, c.outline.Pieces(), 0.01, 0.25);
  for (auto _ : state) {
    int hits = 0;
    for (const auto& circle : c.circles) hits += near.Collides(circle[0], circle[1], circle[2]);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.circles.size()));
}
BENCHMARK(BM_CollisionThroughTheGrid);

void BM_CollisionAgainstEveryPiece(benchmark::State& state) {
  CollisionCase c;
  for (auto _ : state) {
    int hits = 0;
    for (const auto& circle : c.circles) {
      tgEntity ring;
      ring.SetArc(circle[0], circle[1], 0, circle[2], 0, TwoPi);
      for (const tgEntity& piece : c.outline.Pieces()) {
        tgIntersection hit(c.ui);
        if (hit.Compute(piece, ring, true) && !hit.Tangent && !ring.InsideCircle(piece)) {
          ++hits;
          break;
        }
      }
    }
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(c.circles.size()));
}
BENCHMARK(BM_CollisionAgainstEveryPiece);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
