// A scripted Ui for tests: records every message and status line and plays the answers it was given.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace quill {

class TestUi : public Ui {
 public:
  struct StatusLine {
    StatusChannel channel;
    std::string text;
    ConsoleColor color;
    bool newLine;
  };

  // Answers given to the next message boxes, in order; when they run out, each box takes its default.
  std::deque<Answer> answers;
  // Values typed into the next input boxes; when they run out the box keeps its value.  A value of
  // CancelInput cancels the box.
  std::deque<std::string> inputs;
  static inline const std::string CancelInput = "\x1b<cancel>";
  // Cancel is reported from this many ProgressStep / CancelRequested calls on (-1: never).
  long cancelAfter = -1;
  bool unattended = false;

  std::vector<Message> messages;
  std::vector<std::string> inputPrompts;
  std::vector<StatusLine> status;
  std::vector<long> counters;
  int pumps = 0;
  int busyDepth = 0;
  int progressBegun = 0;
  std::vector<long> progressSteps;  // every position shown, in order

  Answer Show(const Message& msg) override;
  bool Input(const std::string& caption, const std::string& prompt, std::string& value) override;
  void Status(StatusChannel channel, const std::string& text, ConsoleColor color, bool newLine) override;
  void Counter(StatusChannel, long value) override { counters.push_back(value); }
  void ProgressBegin(const std::string&, long) override { ++progressBegun; }
  bool ProgressStep(long position) override {
    progressSteps.push_back(position);
    return !Cancelled();
  }
  void ProgressEnd() override {}
  bool CancelRequested() override { return Cancelled(); }
  void Pump() override { ++pumps; }
  void Busy(bool on) override { busyDepth += on ? 1 : -1; }
  bool Unattended() const override { return unattended; }

  // The texts of the messages shown so far.
  std::vector<std::string> Texts() const;
  // The status lines of one channel joined as the display would show them.
  std::string Console(StatusChannel channel) const;

 private:
  bool Cancelled();
  long cancelChecks_ = 0;
};

}  // namespace quill
