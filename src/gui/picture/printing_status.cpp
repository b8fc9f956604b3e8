#include "picture/printing_status.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace quill {

PrintStatusWindow::PrintStatusWindow(QWidget* parent) : QWidget(parent, Qt::Dialog), what_(new QLabel(this)) {
  setObjectName("TPrintStatusForm");
  setWindowTitle("QUILLMARK");
  auto* column = new QVBoxLayout(this);
  column->addWidget(new QLabel("Printing :", this));
  column->addWidget(what_);
  column->addWidget(new QLabel("Press <Esc> To Abort", this));
  setFocusPolicy(Qt::StrongFocus);
}

void PrintStatusWindow::Begin(const std::string& what) {
  what_->setText(what.empty() ? QString("UNTITLED") : QString::fromLocal8Bit(what.c_str()));
  show();
  raise();
  activateWindow();
  setFocus();
  QApplication::processEvents();
}

QString PrintStatusWindow::Shown() const {
  return what_->text();
}

void PrintStatusWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    emit AbortRequested();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace quill
