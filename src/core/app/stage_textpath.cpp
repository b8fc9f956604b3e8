#include "app/stages.h"

#include "textpath/generate_text_path.h"

namespace quill {

StageStatus RunTextPathStage(Job& job) {
  return GenerateAndShowTextPath(job, false) == TextPathOutcome::Generated ? StageStatus::Done : StageStatus::Failed;
}

}  // namespace quill
