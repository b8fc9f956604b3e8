// The OK, Cancel and Help row every dialog of the program ends with.
#pragma once

#include <functional>

class QDialog;
class QDialogButtonBox;

namespace quill {

// OK accepts the dialog, Cancel rejects it, Help calls help.  The buttons are named "OK", "Cancel" and
// "Help" for the window tests.
QDialogButtonBox* OkCancelHelp(QDialog* dialog, std::function<void()> help);

}  // namespace quill
