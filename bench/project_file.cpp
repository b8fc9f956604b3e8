// Saving and opening a project that carries a large drawing: 200,000 artwork records copied through the
// project in both directions, plus a 2,048-character text with its per-character tables.  The artwork
// streams, so the resident size must not grow with it ("rss_growth_kb").
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "job/settings_checks.h"
#include "project/project_reader.h"
#include "project/project_writer.h"
#include "records/artwork_record.h"
#include "ui/batch_ui.h"
#include "bench_support.h"

namespace quill {
namespace {

constexpr long kArtRecords = 200000;

// A job with 200,000 artwork records and a text as long as the per-character table.
struct BigJob : bench::BenchJob {
  BigJob() {
    ArtWriter art(job.paths.ArtFileName, false);
    for (long i = 0; i < kArtRecords; ++i) art.Line(i * 0.01, 0.5, i * 0.01 + 0.01, 0.75);
    job.flags.ArtworkPresent = true;
    job.text.assign(32, std::string(62, 'W'));  // 32 lines: 2,046 characters with the line breaks
    TakeCharacterCount(job);
  }
  std::string Project() const { return dir + "/BIG.QLM"; }
};

void BM_WriteProject(benchmark::State& state) {
  BigJob b;
  long before = bench::PeakResidentKb();
  for (auto _ : state) WriteProject(b.job, b.Project());
  state.counters["rss_growth_kb"] = static_cast<double>(bench::PeakResidentKb() - before);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(b.Project())));
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);

void BM_ReadProject(benchmark::State& state) {
  BigJob b;
  WriteProject(b.job, b.Project());
  long before = bench::PeakResidentKb();
  for (auto _ : state) ReadProject(b.job, b.Project());
  state.counters["rss_growth_kb"] = static_cast<double>(bench::PeakResidentKb() - before);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(b.Project())));
}
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
