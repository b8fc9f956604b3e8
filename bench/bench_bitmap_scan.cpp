// The relief scan of a 2 x 2 inch area at 0.005 steps (401 rows of 401 samples) from a 400 x 400 grey
// picture that changes at every pixel; the goal: under a second.
#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "pixels/picture.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/scan/bitmap_scan.h"

namespace quill {
namespace {

void Scan(benchmark::State& state, bool unidirectional) {
  bench::BenchJob b;
  Picture picture(400, 400, PixelFormat::Grey8);
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 400; ++x) picture.SetGrey(x, y, static_cast<uint8_t>((x * 7 + y * 13) % 256));
  }
  BitmapScanArea area{0, 0, 2, 2, 0.005, 0.005};
  area.unidirectional = unidirectional;
  ToolPathPlugins plugins;
  plugins.bitmapScan = [&](Job& job, const ToolPathPass& pass) { BitmapScan(job, pass, area, picture); };
  for (auto _ : state) {
    if (!GenerateToolPath(b.job, ToolPathOptions{ToolPathSource::BitmapScan}, false, plugins)) {
      state.SkipWithError("scan failed");
      break;
    }
  }
  state.counters["samples/s"] = benchmark::Counter(401.0 * 401.0 * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void BM_ScanBidirectional(benchmark::State& s) { Scan(s, false); }
void BM_ScanUnidirectional(benchmark::State& s) { Scan(s, true); }
BENCHMARK(BM_ScanBidirectional)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanUnidirectional)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
