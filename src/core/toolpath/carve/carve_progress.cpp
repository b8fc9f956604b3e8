#include "toolpath/carve/carve_progress.h"

#include "ui/ui.h"

namespace quill {

void UiCarveProgress::Begin(long totalRecords) {
  ui_.ProgressBegin("3D Font Carving In Process", totalRecords);
}

bool UiCarveProgress::Total(long records) {
  return ui_.ProgressStep(records);
}

bool UiCarveProgress::Character(long, long) {
  ui_.Pump();
  return !ui_.CancelRequested();
}

void UiCarveProgress::End() {
  ui_.ProgressEnd();
}

}  // namespace quill
