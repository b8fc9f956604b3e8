// A progress bar on a terminal for the unattended runs: the title, a bar of thirty marks and the share
// done, redrawn in place as the share grows.  Output that is not a terminal (a log, a pipe) gets none.
#pragma once

#include <cstdio>
#include <string>

namespace quill {

class TerminalProgress {
 public:
  TerminalProgress(std::FILE* out, bool terminal) : out_(out), terminal_(terminal) {}

  void Begin(const std::string& title, long maximum);
  void Step(long position);
  // Ends the bar's line.
  void End();
  // The bar is drawn and its line not ended: a message must start a line of its own.
  bool MidLine() const { return drawn_; }
  // A message has started a line of its own: the bar is drawn again at its next step.
  void LineBroken() { drawn_ = false, percent_ = -1; }

 private:
  std::FILE* out_;
  bool terminal_;
  bool active_ = false, drawn_ = false;
  std::string title_;
  long maximum_ = 0;
  int percent_ = -1;
};

// Whether the stream is a terminal.
bool IsTerminal(std::FILE* out);

}  // namespace quill
