#include "app/stages.h"

namespace quill {

StageStatus ImportDxfArgument(Job&, const std::string&) { return StageStatus::Missing; }

}  // namespace quill
