#include "raster/scanner_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QListWidget>
#include <QSpinBox>
#include <QVBoxLayout>

#include "shell/latin1.h"

namespace quill {

TScannerDlg::TScannerDlg(Ui& ui, QWidget* parent)
    : QDialog(parent),
      ui_(ui),
      list_(new QListWidget(this)),
      resolution_(new QSpinBox(this)),
      mode_(new QComboBox(this)) {
  setObjectName("TScannerDlg");
  setWindowTitle("Select Scanner");
  list_->setObjectName("Scanners");
  resolution_->setObjectName("Resolution");
  resolution_->setRange(25, 4800);
  resolution_->setSuffix(" dpi");
  mode_->setObjectName("Mode");
  mode_->addItems({"Lineart", "Gray", "Color"});
  auto* form = new QFormLayout;
  form->addRow("Resolution", resolution_);
  form->addRow("Mode", mode_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* column = new QVBoxLayout(this);
  column->addWidget(list_);
  column->addLayout(form);
  column->addWidget(buttons);
}

bool TScannerDlg::Search(const ScanSettings& settings) {
  ScannerList found = ListScanners(ui_, settings);
  devices_ = found.devices;
  list_->clear();
  for (const ScannerDevice& d : devices_) {
    list_->addItem(Latin1(d.Label()));
    if (d.name == settings.device) list_->setCurrentRow(list_->count() - 1);
  }
  if (list_->currentRow() < 0 && list_->count() > 0) list_->setCurrentRow(0);
  return !devices_.empty();
}

bool TScannerDlg::Ask(ScanSettings& settings) {
  if (!Search(settings)) return false;
  resolution_->setValue(settings.resolution);
  mode_->setCurrentText(Latin1(settings.mode));
  if (exec() != QDialog::Accepted || list_->currentRow() < 0) return false;
  settings.device = devices_[static_cast<size_t>(list_->currentRow())].name;
  settings.resolution = resolution_->value();
  settings.mode = Latin1(mode_->currentText());
  return true;
}

}  // namespace quill
