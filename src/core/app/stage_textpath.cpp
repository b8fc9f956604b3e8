#include "app/stages.h"

namespace quill {

StageStatus RunTextPathStage(Job&) { return StageStatus::Missing; }

}  // namespace quill
