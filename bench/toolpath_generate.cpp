// Tool path generation over large inputs: a 10,000-character text path and a 200,000-record artwork
// file.  The records stream, so the resident size must not grow with the input ("rss_growth_kb").
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "records/artwork_record.h"
#include "records/textpath_record.h"
#include "toolpath/cl_statistics.h"
#include "toolpath/generate_toolpath.h"
#include "ui/batch_ui.h"
#include "bench_support.h"

namespace quill {
namespace {

using bench::BenchJob;
using bench::PeakResidentKb;

// One character as the layout writes it: marks, box, a move, three strokes and two arcs.
void WriteCharacter(TextPathWriter& out, int i) {
  double x = (i % 100) * 0.6, y = -(i / 100) * 1.2;
  out.Write(TpCharStart, static_cast<int16_t>('A' + i % 26));
  out.Write(TpBoxLow, 0);
  out.Write(TpBoxHigh, 0, 10, 20);
  out.Write(TpMove, 0, x, y);
  out.Write(TpLine, 0, x + 0.2, y + 0.5);
  out.Write(TpLine, 0, x + 0.4, y);
  out.Write(TpArcCcw, 0, x + 0.3, y + 0.1, 0.1, x + 0.3, y);
  out.Write(TpArcCw, 0, x + 0.4, y, 0.1, x + 0.3, y);
  out.Write(TpLine, 0, x + 0.4, y + 0.0004);  // too short to cut
  out.Write(TpCharEnd, 0);
}

void BM_TextToolPath(benchmark::State& state) {
  BenchJob b;
  {
    TextPathWriter out(b.job.paths.TextPathFileName);
    for (int i = 0; i < state.range(0); ++i) WriteCharacter(out, i);
  }
  b.job.flags.TextPathGenerated = true;
  GenerateToolPath(b.job, {}, false);
  long rss = PeakResidentKb();
  for (auto _ : state) GenerateToolPath(b.job, {}, false);
  state.counters["rss_growth_kb"] = static_cast<double>(PeakResidentKb() - rss);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_TextToolPath)->Arg(10000)->Unit(benchmark::kMillisecond);

void WriteArtwork(const std::string& path, long records) {
  ArtWriter out(path, false);
  for (long i = 0; i < records; ++i) {
    double x = (i % 1000) * 0.01, y = (i / 1000) * 0.05;
    if (i % 4 == 3) {
      out.Arc(ArtArcCcw, x, y, 0.005, 0, 3.141592653589793);
    } else {
      out.Line(x, y, x + 0.01, y);
    }
  }
}

void BM_ArtworkToolPath(benchmark::State& state) {
  BenchJob b;
  WriteArtwork(b.job.paths.ArtFileName, state.range(0));
  b.job.flags.ArtworkPresent = true;
  ToolPathOptions artwork{ToolPathSource::ArtworkOnly};
  GenerateToolPath(b.job, artwork, false);
  long rss = PeakResidentKb();
  for (auto _ : state) GenerateToolPath(b.job, artwork, false);
  state.counters["rss_growth_kb"] = static_cast<double>(PeakResidentKb() - rss);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ArtworkToolPath)->Arg(200000)->Unit(benchmark::kMillisecond);

void BM_ClStatistics(benchmark::State& state) {
  BenchJob b;
  WriteArtwork(b.job.paths.ArtFileName, state.range(0));
  b.job.flags.ArtworkPresent = true;
  GenerateToolPath(b.job, {ToolPathSource::ArtworkOnly}, false);
  long moves = 0;
  double rapid = 0, feed = 0;
  for (auto _ : state) CLStatistics(b.job, moves, rapid, feed);
  state.SetItemsProcessed(state.iterations() * moves);
}
BENCHMARK(BM_ClStatistics)->Arg(200000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
