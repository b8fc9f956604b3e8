// What the benchmarks share: the resident-size high-water mark, and a job in a home of its own.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "ui/batch_ui.h"

namespace quill::bench {

// The largest resident size of the process so far, in kB: a streaming benchmark must not raise it.
inline long PeakResidentKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// A job whose home is a fresh folder, removed afterwards; the data folder is the build's.
struct BenchJob {
  BenchJob() : job(ui) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "quillbench.XXXXXX").string();
    dir = mkdtemp(tmpl.data()) ? tmpl : std::filesystem::temp_directory_path().string();
    BuildWorkFilePaths(job.paths, dir + "/", std::string(QUILL_BINARY_DIR) + "/data/");
  }
  ~BenchJob() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  BenchJob(const BenchJob&) = delete;
  BenchJob& operator=(const BenchJob&) = delete;

  std::string dir;
  BatchUi ui{stderr};
  Job job;
};

}  // namespace quill::bench
