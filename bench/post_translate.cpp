// The post-processor over a large cutter-location file against plain reading and writing of the same
// bytes, in one run: the bundled default mill (DMILL, R arcs) and the same machine cutting every arc as
// lines.  Each side is timed as the best of a few runs, in processor time (user and system: steady on a
// shared machine) and in wall time (which also holds the waits for the disk); the ratios are post /
// baseline.  The
// baseline reads the records with the work files' own record reader (summing a field, so the reading
// cannot be optimised away) and writes as many bytes as the post wrote through a buffered stream into a
// file in the same folder, synced to disk at the end as the post's NC file is.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "nc/macro_store.h"
#include "nc/translate_cl.h"
#include "project/profile.h"
#include "records/cl_record.h"
#include "ui/batch_ui.h"

namespace {

using namespace quill;

constexpr int Runs = 3;  // each side's time is the best of these

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

// A value of /proc/self/status in kB ("VmHWM", "VmRSS").
long StatusKb(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
  }
  return 0;
}

// Starts the resident-size high-water mark again from the present size, so that a run's peak is its own.
void ResetPeakResident() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// The processor time of the whole process (user and system), in seconds.
double ProcessorSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double WallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct Times {
  double processor = 1e300, wall = 1e300;  // the best of the runs, each on its own
};

template <typename Work>
Times BestOf(Work work) {
  Times best;
  for (int i = 0; i < Runs; ++i) {
    const double processor = ProcessorSeconds(), wall = WallSeconds();
    work();
    best.processor = std::min(best.processor, ProcessorSeconds() - processor);
    best.wall = std::min(best.wall, WallSeconds() - wall);
  }
  return best;
}

// The plain side: every record read and a field summed, then bytes written and synced.
double PlainReadWrite(const std::string& cl, const std::string& out, uintmax_t bytes) {
  double sum = 0;
  ClReader reader(cl);
  for (ClRecord rec; reader.Next(rec);) sum += rec.X;
  benchmark::DoNotOptimize(sum);
  std::FILE* f = std::fopen(out.c_str(), "wb");
  if (!f) return sum;
  std::string line = "G01X12.3456Y7.8912Z-.0100F8.0\r\n";
  std::vector<char> chunk(1 << 16);
  for (size_t i = 0; i < chunk.size(); ++i) chunk[i] = line[i % line.size()];
  for (uintmax_t left = bytes; left > 0;) {
    size_t n = static_cast<size_t>(std::min<uintmax_t>(left, chunk.size()));
    std::fwrite(chunk.data(), 1, n, f);
    left -= n;
  }
  std::fflush(f);
  ::fsync(::fileno(f));
  std::fclose(f);
  return sum;
}

PostJob Dmill() {
  const ProfileFile posts(std::string(QUILL_SOURCE_DIR) + "/data/machines/QPOSTS.INI");
  PostJob job;
  job.machine = ReadMachineDefinition(posts, "DMILL");
  job.startup = FindMacroLines(posts, "DMILL", "Startup");
  job.shutdown = FindMacroLines(posts, "DMILL", "Shutdown");
  return job;
}

void Post(benchmark::State& state, int arcType) {
  const long records = state.range(0);
  const std::string cl = ClFile(records), nc = BenchDir() + "/OUT.TAP", plain = BenchDir() + "/PLAIN.TAP";
  PostJob job = Dmill();
  if (arcType) job.machine.ARCTYPE = arcType;
  BatchUi ui(stderr);
  Times post, baseline;
  long growth = 0;
  for (auto _ : state) {
    ResetPeakResident();
    const long before = StatusKb("VmRSS");
    post = BestOf([&] {
      if (!TranslateClFile(ui, cl, nc, job).ok) state.SkipWithError("the run failed");
    });
    growth = StatusKb("VmHWM") - before;
    const uintmax_t bytes = std::filesystem::file_size(nc);
    baseline = BestOf([&] { PlainReadWrite(cl, plain, bytes); });
  }
  state.counters["post_s"] = post.processor;
  state.counters["baseline_s"] = baseline.processor;
  state.counters["ratio"] = post.processor / baseline.processor;
  state.counters["post_wall_s"] = post.wall;
  state.counters["baseline_wall_s"] = baseline.wall;
  state.counters["ratio_wall"] = post.wall / baseline.wall;
  state.counters["records/s"] = static_cast<double>(records) / post.processor;
  state.counters["peak_growth_kB"] = static_cast<double>(growth);
  state.counters["nc_MB"] = static_cast<double>(std::filesystem::file_size(nc)) / 1e6;
  state.counters["cl_MB"] = static_cast<double>(std::filesystem::file_size(cl)) / 1e6;
}

void BM_PostDmill(benchmark::State& state) {
  Post(state, 0);
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
