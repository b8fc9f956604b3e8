// The OK, Cancel and Help row of the settings and text-entry dialogs: OK accepts the dialog, Cancel
// rejects it, Help runs the dialog's help opener when it has one.
#pragma once

#include <QDialogButtonBox>
#include <functional>

class QDialog;

namespace quill {

// help points at the dialog's own opener, which may be set after the dialog is made.
QDialogButtonBox* OkCancelHelp(QDialog* dialog, const std::function<void()>* help);

}  // namespace quill
