// A short job's unattended run as a shop's script starts it: the built quillpro2008 -r and quill run on
// the bundled SAMPLE.QLM, one process per run, in a home prepared once.  Reports the wall time per run
// (the Time column), the processor time of each run (run_cpu_ms) and the shared libraries the loader
// maps.
#include <benchmark/benchmark.h>

#include "spawn_support.h"

namespace quill {
namespace {

void RunShortJob(benchmark::State& state, const std::vector<std::string>& words) {
  bench::ScratchFolder folder;
  std::vector<std::string> argv{bench::ProgramDir() + "/" + words[0]};
  argv.insert(argv.end(), words.begin() + 1, words.end());
  argv.insert(argv.end(), {"--home", folder.Home()});
  if (!folder.Ok()) return state.SkipWithError("no scratch folder");
  if (!bench::TimeRuns(state, argv, folder.Dir())) return;
  state.counters["libraries"] = static_cast<double>(bench::LibrariesMapped(argv, folder));
}

void BM_UnattendedRunQuillpro2008(benchmark::State& state) {
  RunShortJob(state, {"quillpro2008", "SAMPLE.QLM", "-r"});
}
void BM_UnattendedRunQuillRun(benchmark::State& state) { RunShortJob(state, {"quill", "run", "SAMPLE.QLM"}); }

BENCHMARK(BM_UnattendedRunQuillpro2008)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_UnattendedRunQuillRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
