// "Reference Frame": the rectangle around the lettering (its starting corner, width and height) and
// whether it is drawn.  It bounds the background of raised letters.
#pragma once

#include <QDialog>
#include <array>

#include "shell/help_contexts.h"

class QCheckBox;

namespace quill {

class ExprField;
class Job;

class TRefFrameDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRefFrameDlg(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  // The window as the View menu's "Re&f-Frame" opens it for the job: its caption and the enable box.
  void PrepareForJob();

  // RFX, RFY, RFXX, RFYY.
  ExprField* Field(int i) const { return fields_.at(static_cast<size_t>(i)); }
  QCheckBox* EnableBox() const { return enable_; }

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Job& job_;
  HelpPageOpener help_;
  std::array<ExprField*, 4> fields_{};
  QCheckBox* enable_;
};

}  // namespace quill
