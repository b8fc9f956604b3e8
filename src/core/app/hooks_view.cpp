#include "app/stages.h"
#include "job/job.h"
#include "view/main_view.h"

namespace quill {

void ClearPicture(Job& job) {
  job.flags.TextPathGenerated = false;
  if (job.view.host) job.view.host->ClearPicture();
}

void ViewJobExtents(Job& job) {
  if (job.view.host) {
    job.view.host->ShowExtents();
  } else {
    ComputeJobExtents(job);
  }
}

}  // namespace quill
