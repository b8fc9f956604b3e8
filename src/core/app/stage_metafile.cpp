#include "app/stages.h"

namespace quill {

StageStatus RunMetafileStage(Job&) { return StageStatus::Missing; }

}  // namespace quill
