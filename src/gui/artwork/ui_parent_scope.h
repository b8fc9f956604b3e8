// While a window's command runs, the program's message boxes and its "Working ..." window belong to
// that window: they are centred on it and modal to it, so the operator cannot click into it while a
// long step runs.  The parent the Ui had comes back at the end of the scope.
#pragma once

#include "shell/qt_ui.h"

namespace quill {

class UiParentScope {
 public:
  UiParentScope(QtUi& ui, QWidget* window) : ui_(ui), before_(ui.Parent()) { ui_.SetParent(window); }
  ~UiParentScope() { ui_.SetParent(before_); }
  UiParentScope(const UiParentScope&) = delete;
  UiParentScope& operator=(const UiParentScope&) = delete;

 private:
  QtUi& ui_;
  QWidget* before_;
};

}  // namespace quill
