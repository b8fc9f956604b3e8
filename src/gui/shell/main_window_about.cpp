#include "shell/main_window_about.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/main_window_classes.h"

namespace quill {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(window_class::About);
  setWindowTitle("About QUILLMARK PRO-2008");
  auto* column = new QVBoxLayout(this);
  auto* name = new QLabel("QUILLMARK PRO 2008", this);
  name->setStyleSheet("font-size: 18pt; font-weight: bold;");
  column->addWidget(name);
  column->addWidget(new QLabel("Engraving CAM for Linux, version 7.01", this));
  column->addWidget(new QLabel("Text, fonts and artwork into tool paths and NC code for engraving machines.", this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  column->addWidget(buttons);
}

}  // namespace quill
