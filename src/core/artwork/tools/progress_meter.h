// The "Working ..." window of a long step: its title, the percentage meter and Cancel.  The meter moves
// every ten items and asks the window only when the percentage changes, so a drawing of a million
// entities does not spend its time redrawing a meter.
#pragma once

#include <cstddef>
#include <string>

namespace quill {

class Ui;

class ProgressMeter {
 public:
  ProgressMeter(Ui& ui, const std::string& title, size_t count);
  ~ProgressMeter();
  ProgressMeter(const ProgressMeter&) = delete;
  ProgressMeter& operator=(const ProgressMeter&) = delete;

  // Item i of count is being worked; false once the operator pressed Cancel.
  bool At(size_t i);
  bool Cancelled() const { return cancelled_; }

 private:
  Ui& ui_;
  size_t count_;
  long shown_ = -1;
  bool cancelled_ = false;
};

}  // namespace quill
