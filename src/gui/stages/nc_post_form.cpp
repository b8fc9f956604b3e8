#include "stages/nc_post_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "job/job.h"
#include "shell/expr_field.h"
#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

TNCPOSTForm::TNCPOSTForm(Job& job, QWidget* parent) : QDialog(parent), job_(job), generator_(job) {
  setObjectName("TNCPOSTForm");
  setWindowTitle("NC-Code Generator");
  setModal(false);
  mname_ = new QComboBox(this);
  mb1_ = new QComboBox(this);
  mb2_ = new QComboBox(this);
  output_ = new QLabel(this);
  output_->setFrameShape(QFrame::Panel);
  output_->setFrameShadow(QFrame::Sunken);
  output_->setMinimumWidth(320);
  minrad_ = new ExprField(job.ui, this);
  ctol_ = new ExprField(job.ui, this);
  counter_ = new QLabel("0", this);
  start_ = new QPushButton("&Start", this);
  auto* cancel = new QPushButton("C&ancel", this);
  auto* help = new QPushButton("&Help", this);

  auto* form = new QFormLayout;
  form->addRow("Machine Name:", mname_);
  form->addRow("Startup Macro:", mb1_);
  form->addRow("Shutdown Macro:", mb2_);
  form->addRow("Output File Name :", output_);
  form->addRow("Smallest Arc Radius", minrad_);
  form->addRow("Arc Cutting Tolerance", ctol_);
  form->addRow("Processing Line: ", counter_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(start_);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);

  generator_.Load();
  minrad_->Bind(&generator_.minArcRadius);
  ctol_->Bind(&generator_.chordTolerance);
  SetNcFileName(generator_.NcFileName());

  connect(start_, &QPushButton::clicked, this, &TNCPOSTForm::StartClick);
  MarkLeavesWithoutApplying(cancel);
  connect(cancel, &QPushButton::clicked, this, &TNCPOSTForm::hide);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("NC_Code_Generator");
  });
  connect(mname_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (filling_) return;
    generator_.SelectMachine(Latin1(name));
    FillMacros();
  });
  connect(mb1_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (!filling_) generator_.startupMacro = Latin1(name);
  });
  connect(mb2_, &QComboBox::currentTextChanged, this, [this](const QString& name) {
    if (!filling_) generator_.shutdownMacro = Latin1(name);
  });

}

void TNCPOSTForm::SetNcFileName(const std::string& name) {
  generator_.SetNcFileName(name);
  output_->setText(Latin1(name));
  repaint();
  job_.ui.Pump();
}

void TNCPOSTForm::ShowCounter(long value) {
  counter_->setText(QString::number(value));
}

void TNCPOSTForm::SelectText(QComboBox* box, const std::string& text) {
  box->setCurrentIndex(box->findText(Latin1(text), Qt::MatchExactly));
}

void TNCPOSTForm::FillMachines() {
  filling_ = true;
  mname_->clear();
  for (const std::string& m : generator_.Machines()) mname_->addItem(Latin1(m));
  SelectText(mname_, generator_.Machine());
  filling_ = false;
}

void TNCPOSTForm::FillMacros() {
  filling_ = true;
  mb1_->clear();
  mb2_->clear();
  for (const std::string& m : generator_.Macros()) {
    mb1_->addItem(Latin1(m));
    mb2_->addItem(Latin1(m));
  }
  SelectText(mb1_, generator_.startupMacro);
  SelectText(mb2_, generator_.shutdownMacro);
  filling_ = false;
}

void TNCPOSTForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  output_->setText(Latin1(generator_.NcFileName()));
  generator_.Show();
  FillMachines();
  FillMacros();
}

void TNCPOSTForm::StartClick() {
  if (running_ || !FieldsReady(this)) return;
  running_ = true;
  start_->setEnabled(false);
  output_->setText(Latin1(generator_.NcFileName()));
  bool written = generator_.Start();
  start_->setEnabled(true);
  running_ = false;
  if (!written) return;
  written_ = generator_.NcFileName();
  job_.ui.Status(StatusChannel::General,
                 "NC code written to " + written_ + ": " + std::to_string(generator_.Blocks()) + " blocks");
  hide();
}

}  // namespace quill
