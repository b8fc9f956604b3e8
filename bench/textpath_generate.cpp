// Laying out a 10,000-character text (100 lines of 100 characters) with the engraving font SIMPLEX and
// with a TrueType face, with and without tangent-arc fitting.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "textpath/generate_text_path.h"
#include "bench_support.h"

namespace {

std::vector<std::string> SampleText() {
  const std::string words = "THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789 engraved with care ";
  std::vector<std::string> lines;
  for (int i = 0; i < 100; ++i) {
    std::string line;
    while (line.size() < 100) line += words[(line.size() + static_cast<size_t>(i) * 7) % words.size()];
    lines.push_back(line);
  }
  return lines;
}

void Layout(benchmark::State& state, bool trueType, bool fitArcs) {
  quill::bench::BenchJob b;
  quill::Job& job = b.job;
  job.text = SampleText();
  job.settings.BFONTTYPE = trueType ? 1 : 0;
  job.settings.FONTNAME = "Liberation Sans";
  job.settings.OUTARCS = fitArcs ? 1 : 0;
  for (auto _ : state) {
    if (quill::GenerateTextPath(job, false) != quill::TextPathOutcome::Generated) {
      state.SkipWithError("generation failed");
      break;
    }
  }
  state.counters["chars/s"] = benchmark::Counter(10000.0 * static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
  std::error_code ec;
  auto bytes = std::filesystem::file_size(job.paths.TextPathFileName, ec);
  if (!ec) state.counters["QMBF bytes"] = static_cast<double>(bytes);
}

void BM_SimplexLines(benchmark::State& s) { Layout(s, false, false); }
void BM_SimplexArcs(benchmark::State& s) { Layout(s, false, true); }
void BM_TrueTypeLines(benchmark::State& s) { Layout(s, true, false); }
void BM_TrueTypeArcs(benchmark::State& s) { Layout(s, true, true); }
BENCHMARK(BM_SimplexLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SimplexArcs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueTypeLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueTypeArcs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
