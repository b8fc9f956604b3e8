#include "app/stages.h"

namespace quill {

StageStatus RunNcStage(Job&, const std::string&) { return StageStatus::Missing; }

}  // namespace quill
