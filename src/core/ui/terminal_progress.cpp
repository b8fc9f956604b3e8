#include "ui/terminal_progress.h"

#include <unistd.h>

#include <algorithm>

namespace quill {

namespace {
constexpr int BarMarks = 30;
}

bool IsTerminal(std::FILE* out) { return out && isatty(fileno(out)) == 1; }

void TerminalProgress::Begin(const std::string& title, long maximum) {
  End();
  active_ = terminal_;
  title_ = title;
  maximum_ = maximum;
  percent_ = -1;
}

void TerminalProgress::Step(long position) {
  if (!active_) return;
  const long top = std::max(maximum_, 1L);
  const int percent = static_cast<int>(std::clamp(position, 0L, top) * 100 / top);
  if (percent == percent_) return;  // a terminal redrawn thousands of times a second slows the run
  percent_ = percent;
  const int marks = percent * BarMarks / 100;
  std::fprintf(out_, "\r%s [%s%s] %3d%%", title_.c_str(), std::string(static_cast<size_t>(marks), '#').c_str(),
               std::string(static_cast<size_t>(BarMarks - marks), '.').c_str(), percent);
  std::fflush(out_);
  drawn_ = true;
}

void TerminalProgress::End() {
  if (drawn_) std::fputc('\n', out_);
  active_ = drawn_ = false;
}

}  // namespace quill
