// The print status window (caption "QUILLMARK"): what is being printed, and Esc to abort the print.
#pragma once

#include <QWidget>

class QLabel;

namespace quill {

class PrintStatusWindow : public QWidget {
  Q_OBJECT

 public:
  explicit PrintStatusWindow(QWidget* parent = nullptr);

  // Shows the window for a print of what (the project path, "UNTITLED" when empty).
  void Begin(const std::string& what);
  void End() { hide(); }
  QString Shown() const;

 signals:
  void AbortRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* what_;
};

}  // namespace quill
