#include "stages/depth_calculator.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "mathlib/number_text.h"
#include "shell/expr_field.h"

namespace quill {

TZDepthCalc::TZDepthCalc(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TZDepthCalc");
  setWindowTitle("-Z- Depth Calculator");
  width_ = new ExprField(ui, this);
  width_->SetText("0.0625");
  tool_label_ = new QLabel("Cone Shaped Tool", this);
  calculate_ = new QPushButton("&Calculate", this);
  result_ = new QLabel("0.0", this);
  ok_ = new QPushButton("OK", this);
  auto* cancel = new QPushButton("Cancel", this);
  auto* help = new QPushButton("&Help", this);

  auto* results = new QGroupBox("Results", this);
  (new QHBoxLayout(results))->addWidget(result_);
  auto* form = new QFormLayout;
  form->addRow("Desired Cut Width", width_);
  form->addRow(tool_label_);
  form->addRow(calculate_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(results);
  layout->addLayout(buttons);

  connect(calculate_, &QPushButton::clicked, this, &TZDepthCalc::CalculateDepth);
  connect(ok_, &QPushButton::clicked, this, &TZDepthCalc::accept);
  MarkLeavesWithoutApplying(cancel);
  connect(cancel, &QPushButton::clicked, this, &TZDepthCalc::reject);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("_Z__Depth_Calculator");
  });
}

void TZDepthCalc::SetTool(DepthTool tool, double toolValue) {
  tool_ = tool;
  toolValue_ = toolValue;
  tool_label_->setText(tool == DepthTool::Ball ? "Ball End Mill" : "Cone Shaped Tool");
}

std::string TZDepthCalc::ResultText() const {
  return result_->text().toStdString();
}

bool TZDepthCalc::CalculateDepth() {
  bool ok = false;
  double width = width_->Evaluate(&ok);
  if (!ok) return false;
  std::optional<double> depth = quill::CalculateDepth(ui_, tool_, width, toolValue_);
  if (!depth) return false;
  result_->setText(QString::fromStdString(FormatFixed(*depth, 4)));
  return true;
}

void TZDepthCalc::accept() {
  if (CalculateDepth()) QDialog::accept();
}

}  // namespace quill
