// A project file may hold anything: the reader must take any bytes without harm, keep within its tables,
// and leave a job that writes out and reads back again.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "job/paths.h"
#include "project/project_reader.h"
#include "project/project_writer.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace {

// Saving syncs the file to disk; a memory-backed folder keeps thousands of rounds quick.
struct PreferMemoryFolder {
  PreferMemoryFolder() {
    if (std::filesystem::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 0);
  }
};

struct FuzzHome : PreferMemoryFolder {
  quill::test::TempDir dir;
};

const quill::test::TempDir& Home() {
  static FuzzHome home;
  return home.dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Home().File("FUZZ.QLM");
  quill::test::WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
  quill::TestUi ui;
  quill::Job job(ui);
  quill::BuildWorkFilePaths(job.paths, Home().path() + "/", Home().path() + "/data/");
  quill::ReadProject(job, path);
  const auto& s = job.settings;
  if (s.CurvePoints < 0 || s.CurvePoints > quill::CurvePointCount || ui.busyDepth != 0) __builtin_trap();
  // Whatever was read, the job saves as a project the reader accepts.
  const std::string again = Home().File("AGAIN.QLM");
  if (!quill::WriteProject(job, again)) __builtin_trap();
  quill::TestUi ui2;
  quill::Job job2(ui2);
  job2.paths = job.paths;
  quill::ReadProject(job2, again);
  if (job2.text != job.text && !(job.text.empty() && job2.text.size() == 1)) __builtin_trap();
  return 0;
}
