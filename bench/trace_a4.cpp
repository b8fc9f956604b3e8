// Tracing an A4 page scanned at 300 dpi (2480 x 3508 pixels): 40 lines of engraving-font text with
// 6-pixel strokes.  Outline tracing (potrace's library through the vectorizer) is timed beside the
// potrace program on the same picture (as a PBM file, written once), and centre-line tracing on its
// own; the goal: each in a few seconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "bench_support.h"
#include "raster/child_process.h"
#include "stroke_pictures.h"
#include "vectorize.h"

namespace quill {
namespace {

constexpr int kWidth = 2480, kHeight = 3508;

const Picture& Page() {
  static const Picture page = [] {
    std::vector<vectorize::test::Stroke> strokes;
    const char* lines[] = {"QUILLMARK PRO 2008 ENGRAVING", "Name plates, trophies and signs",
                           "0123456789 ABCDEFGHIJKLMNOPQRST", "UVWXYZ abcdefghijklmnopqrstuvwxyz"};
    std::string font = vectorize::test::FontSource(QUILL_SOURCE_DIR, "SIMPLEX");
    for (int row = 0; row < 40; ++row) {
      auto line = vectorize::test::FontStrokes(font, lines[row % 4], 50, 80, kHeight - 120 - row * 84.0);
      strokes.insert(strokes.end(), line.begin(), line.end());
    }
    return vectorize::test::DrawStrokes(strokes, kWidth, kHeight, 6);
  }();
  return page;
}

void Trace(benchmark::State& state, bool centre) {
  const Picture& page = Page();
  VectorizerParameters params;
  params.settings.centerlines = centre;
  size_t paths = 0;
  for (auto _ : state) paths = vectorize::Vectorize(page, params).paths.size();
  state.counters["paths"] = static_cast<double>(paths);
}

// The same page as the potrace program reads it: a plain black-and-white PBM.
std::string WritePbm(const std::string& dir) {
  const Picture& page = Page();
  std::string path = dir + "/page.pbm";
  std::ofstream out(path, std::ios::binary);
  out << "P4\n" << kWidth << " " << kHeight << "\n";
  std::string row((kWidth + 7) / 8, '\0');
  for (int y = 0; y < kHeight; ++y) {
    std::fill(row.begin(), row.end(), '\0');
    for (int x = 0; x < kWidth; ++x) {
      if (page.GreyAt(x, y) < 128) row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  return path;
}

void BM_OutlineA4(benchmark::State& state) {
  Trace(state, false);
}
void BM_CentrelineA4(benchmark::State& state) {
  Trace(state, true);
}

void BM_PotraceProgramA4(benchmark::State& state) {
  bench::BenchJob b;
  std::string pbm = WritePbm(b.dir);
  for (auto _ : state) {
    ChildResult r = RunChild(b.ui, {{"potrace", "-b", "dxf", "-o", b.dir + "/page.dxf", pbm}, "", 600, {}});
    if (!r.Succeeded()) {
      state.SkipWithError("the potrace program did not run (Debian package potrace)");
      break;
    }
  }
}

BENCHMARK(BM_OutlineA4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PotraceProgramA4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CentrelineA4)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
