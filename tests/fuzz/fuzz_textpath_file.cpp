// Any bytes as the text path file QMBF.TMP: the picture, the tool path, the project's summary and the
// conversion to artwork read it; each must end, and the artwork it becomes must read back.
#include <cstddef>
#include <cstdint>

#include "app/project_summary.h"
#include "artwork/artwork_store.h"
#include "fuzz_job.h"
#include "toolpath/generate_toolpath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f;
  Job& job = f.job;
  fuzz::InputFile("QMBF.TMP", data, size);
  std::remove(job.paths.ArtFileName.c_str());
  job.flags.TextPathGenerated = true;
  job.view.View3D = size % 3 == 1;
  fuzz::DrawJobOnce(job);
  ToolPathOptions options;
  options.multipleDepths = size % 2 == 1;
  GenerateToolPath(job, options, false);
  ProjectSummary summary;
  SummariseProject(job, summary);
  if (!ConvertTextPathToArtwork(job) || job.flags.TextPathGenerated) __builtin_trap();
  fuzz::CheckArtwork(job, ArtMove, ArtArcCcw);
  if (f.ui.busyDepth != 0) __builtin_trap();
  return 0;
}
