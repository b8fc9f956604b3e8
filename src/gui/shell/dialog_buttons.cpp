#include "shell/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quill {

QDialogButtonBox* OkCancelHelp(QDialog* dialog, std::function<void()> help) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("Cancel");
  QPushButton* helpButton = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  helpButton->setObjectName("Help");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  QObject::connect(helpButton, &QPushButton::clicked, dialog, std::move(help));
  return buttons;
}

}  // namespace quill
