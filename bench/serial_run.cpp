// quill run --serial as a shop runs it for a batch of plates: the bundled SAMPLE.QLM engraved once per
// serial number into one program, the whole command started as a process, in a home prepared once.
// Also the data merge as a command: TAGS.QLM with 1,000 rows of TAGS.CSV's kind (bench_merge measures
// the merge in-process).
#include <benchmark/benchmark.h>

#include <fstream>

#include "spawn_support.h"

namespace quill {
namespace {

void RunCommand(benchmark::State& state, std::vector<std::string> words, const bench::ScratchFolder& folder) {
  words.insert(words.end(), {"--home", folder.Home()});
  words[0] = bench::ProgramDir() + "/" + words[0];
  if (!folder.Ok()) return state.SkipWithError("no scratch folder");
  if (!bench::TimeRuns(state, words, folder.Dir())) return;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SerialRun(benchmark::State& state) {
  bench::ScratchFolder folder;
  RunCommand(state, {"quill", "run", "SAMPLE.QLM", "--serial", "1", std::to_string(state.range(0))}, folder);
}

void BM_DataMergeRun(benchmark::State& state) {
  bench::ScratchFolder folder;
  std::ofstream csv(folder.File("ROWS.CSV"), std::ios::binary);
  csv << "Name;Dept\r\n";
  for (int i = 0; i < state.range(0); ++i) csv << "\"PERSON " << 1000 + i << ", JR.\";DEPT " << i % 40 << "\r\n";
  csv.close();
  RunCommand(state, {"quill", "run", "TAGS.QLM", "--data", "ROWS.CSV"}, folder);
}

BENCHMARK(BM_SerialRun)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DataMergeRun)->Arg(1000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
