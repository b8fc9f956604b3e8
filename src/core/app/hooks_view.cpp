#include "app/stages.h"

#include "job/job.h"

namespace quill {

void ClearPicture(Job& job) { job.flags.TextPathGenerated = false; }
void ViewJobExtents(Job&) {}

}  // namespace quill
