#include "app/stages.h"
#include "job/job.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/toolpath_dialog.h"

namespace quill {

// The tool path dialog as the unattended run shows it: the source chosen by what the job holds, every
// other choice at its default, and no questions.
StageStatus RunToolPathStage(Job& job) {
  ToolPathOptions options;
  options.source = DefaultSource(job.flags, options.source);
  return GenerateToolPath(job, options, false) ? StageStatus::Done : StageStatus::Failed;
}

}  // namespace quill
