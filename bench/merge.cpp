// The data merge of a shop's name tags: 1,000 rows of a two-line tag (the bundled TAGS.QLM) read from a
// CSV file, laid out, cut into one cutter-location file and posted to one NC file for DMILL.
#include <benchmark/benchmark.h>

#include <string>

#include "app/stages.h"
#include "bench_support.h"
#include "nc/translate_cl.h"
#include "toolpath/merge/merge_run.h"

namespace quill {
namespace {

std::string TagRows(int rows) {
  std::string csv = "Name;Dept\r\n";
  for (int i = 0; i < rows; ++i) {
    csv += "\"PERSON " + std::to_string(1000 + i) + ", JR.\";DEPT " + std::to_string(i % 40) + "\r\n";
  }
  return csv;
}

void BM_MergeTagsIntoOneProgram(benchmark::State& state) {
  bench::BenchJob b;
  Job& job = b.job;
  if (ReadProjectFile(job, std::string(QUILL_SOURCE_DIR) + "/data/samples/TAGS.QLM") != StageStatus::Done) {
    state.SkipWithError("TAGS.QLM cannot be read");
    return;
  }
  const std::vector<std::string> tag = job.text;
  MergeOptions options;
  options.dataFile = b.dir + "/tags.csv";
  options.betweenRows.clear();
  {
    std::FILE* f = std::fopen(options.dataFile.c_str(), "wb");
    const std::string csv = TagRows(static_cast<int>(state.range(0)));
    std::fwrite(csv.data(), 1, csv.size(), f);
    std::fclose(f);
  }
  PostJob post;
  post.machine.SEQOUT = false;
  long blocks = 0;
  for (auto _ : state) {
    job.text = tag;
    MergeData data;
    if (!PrepareMergeRows(job, options, data)) {
      state.SkipWithError("the rows cannot be prepared");
      return;
    }
    MergeOutcome outcome = RunMerge(job, options, data, MergeStages{});
    PostResult nc = TranslateClFile(job.ui, job.paths.CLFileName, b.dir + "/TAGS.TAP", post);
    if (!outcome.complete || outcome.engraved != state.range(0) || !nc.ok) {
      state.SkipWithError("the merge did not cut every row");
      return;
    }
    blocks = nc.records;
  }
  state.counters["cl_records"] = static_cast<double>(blocks);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MergeTagsIntoOneProgram)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
