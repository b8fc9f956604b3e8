// The about box of the Help menu: the program, its version and what it is for.
#pragma once

#include <QDialog>

namespace quill {

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace quill
