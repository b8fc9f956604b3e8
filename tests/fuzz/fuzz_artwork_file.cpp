// Any bytes as the artwork file QUILLART.TMP: the picture, the tool path, the workshop, the project's
// summary and a project save read it; each must end, and the workshop's save must read back.
#include <cstddef>
#include <cstdint>

#include "app/project_summary.h"
#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop/document.h"
#include "fuzz_job.h"
#include "project/project_writer.h"
#include "toolpath/generate_toolpath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f;
  Job& job = f.job;
  fuzz::InputFile("QUILLART.TMP", data, size);
  job.flags.ArtworkPresent = true;
  job.view.View3D = size % 3 == 1;
  fuzz::DrawJobOnce(job);
  ToolPathOptions options;
  options.source = ToolPathSource::ArtworkOnly;
  options.multipleDepths = size % 2 == 1;
  GenerateToolPath(job, options, false);
  ProjectSummary summary;
  SummariseProject(job, summary);
  if (!WriteProject(job, fuzz::Home().File("ART.QLM"))) __builtin_trap();
  WorkshopDocument doc;
  LoadArtwork(job, doc);
  if (!SaveArtwork(job, doc)) __builtin_trap();
  fuzz::CheckArtwork(job, ArtLine, ArtArcCcw);
  if (f.ui.busyDepth != 0) __builtin_trap();
  return 0;
}
