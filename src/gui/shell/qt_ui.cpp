#include "shell/qt_ui.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace quill {

namespace {

QMessageBox::Icon IconOf(MsgKind kind) {
  switch (kind) {
    case MsgKind::Warning: return QMessageBox::Warning;
    case MsgKind::Error: return QMessageBox::Critical;
    case MsgKind::Confirmation: return QMessageBox::Question;
    default: return QMessageBox::Information;
  }
}

struct ButtonMap {
  unsigned bit;
  QMessageBox::StandardButton button;
  Answer answer;
};

const ButtonMap kButtons[] = {
    {BtnYes, QMessageBox::Yes, Answer::Yes},         {BtnNo, QMessageBox::No, Answer::No},
    {BtnOk, QMessageBox::Ok, Answer::Ok},            {BtnCancel, QMessageBox::Cancel, Answer::Cancel},
    {BtnAbort, QMessageBox::Abort, Answer::Abort},   {BtnRetry, QMessageBox::Retry, Answer::Retry},
    {BtnIgnore, QMessageBox::Ignore, Answer::Ignore}, {BtnHelp, QMessageBox::Help, Answer::Help},
};

}  // namespace

void QtUi::RouteStatus(StatusChannel channel, StatusSink sink, ClearSink clear) {
  status_[channel] = std::move(sink);
  if (clear) clear_[channel] = std::move(clear);
}

void QtUi::RouteCounter(StatusChannel channel, CounterSink sink) { counters_[channel] = std::move(sink); }

Answer QtUi::Show(const Message& msg) {
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  QMessageBox box(IconOf(msg.kind), QString::fromStdString(msg.caption.empty() ? ProgramTitle : msg.caption),
                  QString::fromLatin1(msg.text.c_str()), QMessageBox::NoButton, parent_);
  for (const auto& b : kButtons) {
    if (!(msg.buttons & b.bit)) continue;
    QPushButton* button = box.addButton(b.button);
    if (b.answer == msg.defaultAnswer) box.setDefaultButton(button);
  }
  Answer result = msg.defaultAnswer;
  for (;;) {
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const auto& b : kButtons) {
      if (clicked && box.standardButton(clicked) == b.button) result = b.answer;
    }
    // Help shows the page and leaves the question open.
    if (result != Answer::Help || !help_) break;
    help_(msg.helpContext);
  }
  QApplication::restoreOverrideCursor();
  return result;
}

bool QtUi::Input(const std::string& caption, const std::string& prompt, std::string& value) {
  bool ok = false;
  QString typed = QInputDialog::getText(parent_, QString::fromLatin1(caption.c_str()),
                                        QString::fromLatin1(prompt.c_str()), QLineEdit::Normal,
                                        QString::fromLatin1(value.c_str()), &ok);
  if (ok) value = typed.toLatin1().toStdString();
  return ok;
}

void QtUi::Status(StatusChannel channel, const std::string& text, ConsoleColor color, bool newLine) {
  auto it = status_.find(channel);
  if (it != status_.end()) it->second(text, color, newLine);
}

void QtUi::ClearStatus(StatusChannel channel) {
  auto it = clear_.find(channel);
  if (it != clear_.end()) it->second();
}

void QtUi::Counter(StatusChannel channel, long value) {
  auto it = counters_.find(channel);
  if (it != counters_.end()) it->second(value);
}

void QtUi::ProgressBegin(const std::string& title, long maximum) {
  delete progress_;
  progress_ = new QProgressDialog(QString::fromLatin1(title.c_str()), "Cancel", 0,
                                  static_cast<int>(maximum > 0 ? maximum : 0), parent_);
  progress_->setWindowTitle("Working ...");
  progress_->setWindowModality(Qt::WindowModal);
  progress_->setMinimumDuration(300);
}

bool QtUi::ProgressStep(long position) {
  if (!progress_) return true;
  progress_->setValue(static_cast<int>(position));
  QCoreApplication::processEvents();
  return !progress_->wasCanceled();
}

void QtUi::ProgressEnd() {
  delete progress_;
  progress_ = nullptr;
}

bool QtUi::CancelRequested() {
  QCoreApplication::processEvents();
  return progress_ && progress_->wasCanceled();
}

void QtUi::Pump() { QCoreApplication::processEvents(); }

void QtUi::Busy(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace quill
