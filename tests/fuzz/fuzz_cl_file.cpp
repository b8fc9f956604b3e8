// Any bytes as the cutter-location file QUILLMAR.CL, for every machine of the bundled machine file:
// the post-processor, the NC self-check of what it wrote, the APT output, the picture, the statistics
// and the project's summary read it; each must end.
#include <cstddef>
#include <cstdint>

#include "app/project_summary.h"
#include "fuzz_machines.h"
#include "nc/apt_output.h"
#include "nc/check/nc_check.h"
#include "nc/macro_store.h"
#include "nc/translate_cl.h"
#include "toolpath/cl_statistics.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f(true);
  Job& job = f.job;
  const std::string cl = fuzz::InputFile("QUILLMAR.CL", data, size);
  const std::string name = fuzz::PickMachine(data, size);
  const ProfileFile& machines = fuzz::BundledMachines();
  PostJob post;
  post.machine = ReadMachineDefinition(machines, name);
  post.startup = FindMacroLines(machines, name, "Startup");
  post.shutdown = FindMacroLines(machines, name, "Shutdown");
  const std::string nc = fuzz::Home().File("JOB.TAP");
  if (TranslateClFile(f.ui, cl, nc, post).ok) CheckNcProgram(nc, post.machine, cl);
  WriteAptFile(f.ui, cl, job.paths.AptFileName, AptJob{0, 0, 1, 1, -0.1, 2, 0.125, 60});
  job.flags.ToolPathCreated = true;
  job.view.View3D = size % 3 == 1;
  fuzz::DrawJobOnce(job);
  long moves = 0;
  double rapid = 0, feed = 0;
  CLStatistics(job, moves, rapid, feed);
  ProjectSummary summary;
  SummariseProject(job, summary);
  if (f.ui.busyDepth != 0) __builtin_trap();
  return 0;
}
