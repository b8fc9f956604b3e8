// What the benchmarks that start the built programs share: a scratch folder with a home and the bundled
// samples, starting a program there with posix_spawn, and counting the shared libraries it maps.
// QUILL_BENCH_BIN names another build's folder of executables, to compare two builds in one sitting.
#pragma once

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

extern char** environ;

namespace quill::bench {

inline std::string ProgramDir() {
  const char* other = std::getenv("QUILL_BENCH_BIN");
  return other && *other ? std::string(other) : std::string(QUILL_BINARY_DIR);
}

// A fresh folder holding home/ and copies of the bundled samples, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "quillspawn.XXXXXX").string();
    dir_ = mkdtemp(tmpl.data()) ? tmpl : "";
    std::error_code ec;
    std::filesystem::create_directory(Home(), ec);
    for (const auto& e : std::filesystem::directory_iterator(std::string(QUILL_SOURCE_DIR) + "/data/samples", ec))
      std::filesystem::copy_file(e.path(), dir_ + "/" + e.path().filename().string(), ec);
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool Ok() const { return !dir_.empty(); }
  const std::string& Dir() const { return dir_; }
  std::string Home() const { return dir_ + "/home"; }
  std::string File(const std::string& name) const { return dir_ + "/" + name; }

 private:
  std::string dir_;
};

// How one started program ended: its exit status (-1 when it could not start or did not exit normally)
// and the processor time it took (user + system), steadier than wall time on a shared machine.
struct Ended {
  int status = -1;
  double cpuSeconds = 0;
};

// Starts argv (argv[0] a path) in cwd with this environment plus extra, output to /dev/null, and waits.
inline Ended Spawn(const std::vector<std::string>& argv, const std::string& cwd,
                   const std::vector<std::string>& extra = {}) {
  std::vector<char*> args, env;
  std::vector<std::string> words = argv, vars = extra;
  for (auto& w : words) args.push_back(w.data());
  args.push_back(nullptr);
  for (auto& v : vars) env.push_back(v.data());
  for (char** e = environ; *e; ++e) env.push_back(*e);
  env.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  int failed = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&actions);
  Ended ended;
  int status = 0;
  rusage usage{};
  if (failed || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return ended;
  ended.status = WEXITSTATUS(status);
  auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  ended.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  return ended;
}

// Starts argv in cwd once untimed (it prepares the home as a shop's first run does), then once per
// iteration; the counter run_cpu_ms is one run's processor time.  A run that fails stops the benchmark
// with an error; false then.
inline bool TimeRuns(benchmark::State& state, const std::vector<std::string>& argv, const std::string& cwd) {
  if (Spawn(argv, cwd).status != 0) {
    state.SkipWithError(("the run fails: " + argv[0]).c_str());
    return false;
  }
  double cpu = 0;
  for (auto _ : state) {
    Ended run = Spawn(argv, cwd);
    if (run.status != 0) {
      state.SkipWithError(("a run failed: " + argv[0]).c_str());
      return false;
    }
    cpu += run.cpuSeconds;
  }
  state.counters["run_cpu_ms"] = 1000 * cpu / static_cast<double>(state.iterations());
  return true;
}

// The shared objects the dynamic loader maps for one run of argv (its own log, LD_DEBUG=files).
inline size_t LibrariesMapped(const std::vector<std::string>& argv, const ScratchFolder& folder) {
  const std::string log = folder.File("ld-files");
  Spawn(argv, folder.Dir(), {"LD_DEBUG=files", "LD_DEBUG_OUTPUT=" + log});
  std::set<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder.Dir(), ec)) {
    if (e.path().filename().string().rfind("ld-files.", 0) != 0) continue;
    std::ifstream in(e.path());
    for (std::string line; std::getline(in, line);) {
      size_t at = line.find("file=");
      if (at != std::string::npos) names.insert(line.substr(at + 5, line.find_first_of(" \t", at) - at - 5));
    }
    std::filesystem::remove(e.path(), ec);
  }
  return names.size();
}

}  // namespace quill::bench
