#include "text/serial_numbers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "job/job.h"
#include "shell/dialog_buttons.h"

namespace quill {
namespace {

constexpr int kNumberLimit = 2000000000;

QCheckBox* Option(const char* text) {
  auto* box = new QCheckBox(text);
  box->setObjectName(text);
  box->setChecked(true);
  return box;
}

}  // namespace

TSerialNumDlg::TSerialNumDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job), bind_(job.ui) {
  setObjectName("TSerialNumDlg");
  setWindowTitle("Engrave Serial Numbers");
  setModal(false);
  EngravingSettings& s = job.settings;
  auto* form = new QFormLayout;
  start_ = bind_.Spin(s.SNUMSTART, "SNUMSTART", -kNumberLimit, kNumberLimit);
  end_ = bind_.Spin(s.SNUMEND, "SNUMEND", -kNumberLimit, kNumberLimit);
  increment_ = bind_.Spin(s.SNUMINC, "SNUMINC", 1, 99999);
  form->addRow("Start Number :", start_);
  form->addRow("End Number :", end_);
  form->addRow("Increment :", increment_);
  form->addRow("Width (Digits):", bind_.Spin(s.SNUMDIG, "SNUMDIG", 0, 255));
  auto* padding = new QGroupBox("Padding");
  auto* paddingLayout = new QHBoxLayout(padding);
  bind_.Choice({{"None", PadNone}, {"Spaces", PadSpaces}, {"Zeros", PadZeros}}, s.SNUMIPAD, paddingLayout);
  form->addRow(padding);
  form->addRow("Prefix :", bind_.Text(s.SNUMPREFIX, "SNUMPREFIX"));
  form->addRow("Suffix:", bind_.Text(s.SNUMSUFFIX, "SNUMSUFFIX"));
  connect(start_, &QSpinBox::editingFinished, this, &TSerialNumDlg::StartLeft);

  between_ = new QPlainTextEdit("M00");
  between_->setObjectName("between");
  updateEnd_ = Option("Update End Number Automatically");
  comment_ = Option("Insert Serial Number Comment");

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(new QLabel("NC-Code To Add Between Numbers:"));
  layout->addWidget(between_);
  layout->addWidget(updateEnd_);
  layout->addWidget(comment_);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
}

// A start field that has the focus leaves it while the window is taken down.
TSerialNumDlg::~TSerialNumDlg() {
  disconnect(start_, nullptr, this, nullptr);
}

// Leaving "Start Number :": the end number may not be below start + increment.
void TSerialNumDlg::StartLeft() {
  long long lowest = static_cast<long long>(start_->value()) + increment_->value();
  end_->setMinimum(static_cast<int>(std::min<long long>(lowest, end_->maximum())));
}

void TSerialNumDlg::showEvent(QShowEvent* event) {
  bind_.Reload();
  QDialog::showEvent(event);
}

SerialRunOptions TSerialNumDlg::RunOptions() const {
  SerialRunOptions run;
  run.updateEndNumber = updateEnd_->isChecked();
  run.insertComment = comment_->isChecked();
  run.betweenNumbers.clear();
  for (const QString& line : between_->toPlainText().split('\n')) run.betweenNumbers.push_back(line.toLatin1().toStdString());
  return run;
}

void TSerialNumDlg::accept() {
  std::optional<ToolPathRun> toolPath = askToolPath_ ? askToolPath_() : std::nullopt;
  if (!toolPath) return;
  RunSerialNumbers(job_, RunOptions(), toolPath->options, generate_, toolPath->plugins);
  bind_.Reload();
  QDialog::accept();
}

}  // namespace quill
