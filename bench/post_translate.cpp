// The post-processor over a large cutter-location file: records per second for the default mill (R arcs)
// and for a machine that cuts every arc as lines, and how far the peak memory moves while it runs.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "nc/translate_cl.h"
#include "records/cl_record.h"
#include "ui/batch_ui.h"

#include "bench_support.h"

namespace {

using namespace quill;

std::string BenchDir() {
  static const std::string dir = [] {
    std::string d = std::filesystem::temp_directory_path() / ("quill_bench_post_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

// A CL file of n records shaped like engraved letters: rapid over, plunge, strokes and arcs, retract.
std::string ClFile(long n) {
  std::string path = BenchDir() + "/JOB" + std::to_string(n) + ".CL";
  if (std::filesystem::exists(path)) return path;
  ClWriter w(path);
  w.WriteRotaryRadius(0);
  for (long i = 1; w.Count() < n;) {
    double x = static_cast<double>(i % 500) * 0.1, y = static_cast<double>(i / 500 % 500) * 0.1;
    w.Write(ClRapid, x, y, 0.1, 0);
    w.Write(ClFeed, x, y, -0.01, 3);
    w.Write(ClFeed, x + 0.05, y, -0.01, 8);
    w.Write(ClFeed, x + 0.05, y + 0.05, -0.01, 8);
    w.Write(ClArcCw, x + 0.1, y + 0.1, -0.01, 8, x + 0.1, y + 0.05);
    w.Write(ClArcCcw, x + 0.15, y + 0.05, -0.01, 8, x + 0.1, y + 0.05);
    w.Write(ClFeed, x + 0.15, y, -0.01, 8);
    w.Write(ClRapid, x + 0.15, y, 0.1, 0);
    ++i;
  }
  w.WriteEnd();
  w.Close();
  return path;
}

void Post(benchmark::State& state, int arcType) {
  const long records = state.range(0);
  const std::string cl = ClFile(records), nc = BenchDir() + "/OUT.TAP";
  PostJob job;
  job.machine.SEQOUT = false;
  job.machine.ARCTYPE = arcType;
  BatchUi ui(stderr);
  long before = bench::PeakResidentKb();
  for (auto _ : state) {
    PostResult r = TranslateClFile(ui, cl, nc, job);
    if (!r.ok) state.SkipWithError("the run failed");
  }
  state.counters["records/s"] =
      benchmark::Counter(static_cast<double>(records), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_growth_kB"] = static_cast<double>(bench::PeakResidentKb() - before);
  state.counters["nc_MB"] = static_cast<double>(std::filesystem::file_size(nc)) / 1e6;
}

void BM_PostDmill(benchmark::State& state) {
  Post(state, ArcRadius);
}
void BM_PostLinearisedArcs(benchmark::State& state) {
  Post(state, ArcLinear);
}

BENCHMARK(BM_PostDmill)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_PostLinearisedArcs)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  std::filesystem::remove_all(BenchDir(), ec);  // the CL and NC files run to hundreds of megabytes
  return 0;
}
