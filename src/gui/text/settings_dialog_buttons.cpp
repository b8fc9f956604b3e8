#include "text/settings_dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quill {

QDialogButtonBox* OkCancelHelp(QDialog* dialog, const std::function<void()>* help) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
  buttons->button(QDialogButtonBox::Help)->setObjectName("Help");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::helpRequested, dialog, [help] {
    if (*help) (*help)();
  });
  return buttons;
}

}  // namespace quill
