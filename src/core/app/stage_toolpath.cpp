#include "app/stages.h"
#include "job/job.h"

namespace quill {

// The tool path dialog as the unattended run shows it: the source chosen by what the job holds and
// every other choice at its default, unless the toolbox chose them; no questions.
StageStatus RunToolPathStage(Job& job, const ToolPathChoices& choices) {
  return GenerateChosenToolPath(job, choices) ? StageStatus::Done : StageStatus::Failed;
}

}  // namespace quill
