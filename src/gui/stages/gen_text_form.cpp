#include "stages/gen_text_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "job/job.h"
#include "shell/latin1.h"
#include "textpath/generate_text_path.h"

namespace quill {

namespace {

QColor ConsoleQColor(ConsoleColor color) {
  switch (color) {
    case ConsoleColor::Green: return QColor(0, 128, 0);
    case ConsoleColor::Red: return QColor(192, 0, 0);
    case ConsoleColor::Yellow: return QColor(128, 128, 0);
    case ConsoleColor::Blue: return QColor(0, 0, 160);
    case ConsoleColor::Normal: break;
  }
  return QColor(0, 0, 0);
}

}  // namespace

TGenForm::TGenForm(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TGenForm");
  setWindowTitle("Generate Text Path");
  console_ = new QTextEdit(this);
  console_->setReadOnly(true);
  console_->setMinimumSize(420, 220);
  convert_ = new QCheckBox("Convert to Artwork", this);
  keep_ = new QCheckBox("Keep Existing Text", this);
  generate_ = new QPushButton("&Generate", this);
  cancel_ = new QPushButton("Cancel", this);
  auto* help = new QPushButton("&Help", this);
  generate_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(convert_);
  buttons->addWidget(keep_);
  buttons->addStretch();
  buttons->addWidget(generate_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Status:", this));
  layout->addWidget(console_);
  layout->addLayout(buttons);

  connect(generate_, &QPushButton::clicked, this, &TGenForm::GenerateClick);
  connect(cancel_, &QPushButton::clicked, this, &TGenForm::CancelClick);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("Generate_Text_Path");
  });
}

void TGenForm::ConsoleText(const std::string& text, ConsoleColor color, bool newLine) {
  QTextCursor cursor(console_->document());
  cursor.movePosition(QTextCursor::End);
  QTextCharFormat format;
  format.setForeground(ConsoleQColor(color));
  cursor.insertText(Latin1(text) + (newLine ? "\n" : ""), format);
  console_->setTextCursor(cursor);
  console_->ensureCursorVisible();
}

void TGenForm::ClearConsole() {
  console_->clear();
}

QString TGenForm::ConsolePlainText() const {
  return console_->toPlainText();
}

bool TGenForm::ConvertToArtworkChecked() const {
  return convert_->isChecked();
}

void TGenForm::GenerateClick() {
  if (running_) return;
  running_ = true;
  // The run lets the windows breathe: neither button may start anything while it goes on.
  cancel_->setEnabled(false);
  generate_->setEnabled(false);
  GenerateAndShowTextPath(job_, keep_->isChecked());
  generate_->setEnabled(true);
  cancel_->setEnabled(true);
  running_ = false;
  done(QDialog::Accepted);
}

void TGenForm::CancelClick() {
  job_.flags.TextPathGenerated = false;
  done(QDialog::Rejected);
}

void TGenForm::reject() {
  if (!running_) CancelClick();
}

void TGenForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (running_) return;
  done(job_.flags.TextPathGenerated ? QDialog::Accepted : QDialog::Rejected);
}

}  // namespace quill
