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

namespace quill {
namespace {

constexpr long kArtRecords = 200000;

long MaxRssKb() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_maxrss;
}

struct BenchJob {
  BenchJob() : job(ui) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "quillbench.XXXXXX").string();
    dir = mkdtemp(tmpl.data()) ? tmpl : ".";
    BuildWorkFilePaths(job.paths, dir + "/", dir + "/");
    ArtWriter art(job.paths.ArtFileName, false);
    for (long i = 0; i < kArtRecords; ++i) art.Line(i * 0.01, 0.5, i * 0.01 + 0.01, 0.75);
    job.flags.ArtworkPresent = true;
    job.text.assign(32, std::string(62, 'W'));  // 32 lines: 2,046 characters with the line breaks
    TakeCharacterCount(job);
  }
  ~BenchJob() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string Project() const { return dir + "/BIG.QLM"; }
  std::string dir;
  BatchUi ui;
  Job job;
};

void BM_WriteProject(benchmark::State& state) {
  BenchJob b;
  long before = MaxRssKb();
  for (auto _ : state) WriteProject(b.job, b.Project());
  state.counters["rss_growth_kb"] = static_cast<double>(MaxRssKb() - before);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(b.Project())));
}
BENCHMARK(BM_WriteProject)->Unit(benchmark::kMillisecond);

void BM_ReadProject(benchmark::State& state) {
  BenchJob b;
  WriteProject(b.job, b.Project());
  long before = MaxRssKb();
  for (auto _ : state) ReadProject(b.job, b.Project());
  state.counters["rss_growth_kb"] = static_cast<double>(MaxRssKb() - before);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(std::filesystem::file_size(b.Project())));
}
BENCHMARK(BM_ReadProject)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
