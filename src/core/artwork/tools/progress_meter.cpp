#include "artwork/tools/progress_meter.h"

#include <cmath>

#include "ui/ui.h"

namespace quill {

ProgressMeter::ProgressMeter(Ui& ui, const std::string& title, size_t count) : ui_(ui), count_(count) {
  ui_.ProgressBegin(title, 100);
}

ProgressMeter::~ProgressMeter() { ui_.ProgressEnd(); }

bool ProgressMeter::At(size_t i) {
  if (cancelled_) return false;
  if (i % 10 != 0 || count_ == 0) return true;
  long percent = std::lround(static_cast<double>(i) / static_cast<double>(count_) * 100.0);
  if (percent == shown_) return true;
  shown_ = percent;
  cancelled_ = !ui_.ProgressStep(percent);
  return !cancelled_;
}

}  // namespace quill
