#include "app/stages.h"

namespace quill {

StageStatus RunToolPathStage(Job&) { return StageStatus::Missing; }

}  // namespace quill
