// The Ui of the unattended run: messages go to standard error, every question takes its default answer,
// nothing ever waits for a person.
#pragma once

#include <cstdio>

#include "ui/terminal_progress.h"
#include "ui/ui.h"

namespace quill {

class BatchUi : public Ui {
 public:
  // Progress is drawn as a bar when out is a terminal.
  explicit BatchUi(std::FILE* out = stderr, bool verbose = false)
      : out_(out), verbose_(verbose), progress_(out, IsTerminal(out)) {}

  Answer Show(const Message& msg) override;
  bool Input(const std::string& caption, const std::string& prompt, std::string& value) override;
  void Status(StatusChannel channel, const std::string& text, ConsoleColor color, bool newLine) override;
  void Counter(StatusChannel, long) override {}
  void ProgressBegin(const std::string& title, long maximum) override { progress_.Begin(title, maximum); }
  bool ProgressStep(long position) override {
    progress_.Step(position);
    return true;
  }
  void ProgressEnd() override { progress_.End(); }
  bool CancelRequested() override { return false; }
  void Pump() override {}
  void Busy(bool) override {}
  bool Unattended() const override { return true; }

  // Warnings and errors shown so far: the unattended run fails when a stage reported one.
  int ProblemsReported() const { return problems_; }

 private:
  std::FILE* out_;
  bool verbose_;
  int problems_ = 0;
  bool midLine_ = false;
  TerminalProgress progress_;
};

}  // namespace quill
