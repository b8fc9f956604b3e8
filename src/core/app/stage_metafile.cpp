#include "app/stages.h"
#include "job/job.h"
#include "view/main_view.h"
#include "view/picture.h"

namespace quill {

// Without a screen nobody has framed the view since the stages ran: the picture is framed by the
// whole job, so nothing the run produced falls outside it.
StageStatus RunMetafileStage(Job& job) {
  if (!job.view.host) ComputeJobExtents(job);
  return CopyMetafile(job) ? StageStatus::Done : StageStatus::Failed;
}

}  // namespace quill
