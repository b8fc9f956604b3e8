#include "artwork/coordinate_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"
#include "shell/latin1.h"

namespace quill {

TCoordinateDlg::TCoordinateDlg(Ui& ui, QWidget* parent)
    : QDialog(parent), prompt_(new QLabel(this)), rapid_(new QCheckBox("Rapid Mode", this)) {
  setObjectName("TCoordinateDlg");
  setWindowTitle("Coordinate");
  prompt_->setObjectName("Prompt");
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    captions_[i] = new QLabel(this);
    fields_[i] = new ExprField(ui, this);
    fields_[i]->setObjectName(QString("Field%1").arg(i));
    int row = static_cast<int>(i % 3), column = static_cast<int>(i / 3) * 2;
    grid->addWidget(captions_[i], row, column);
    grid->addWidget(fields_[i], row, column + 1);
  }
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Art_Workshop_Modify_Menu");
  });
  auto* column = new QVBoxLayout(this);
  column->addWidget(prompt_);
  column->addLayout(grid);
  column->addWidget(rapid_);
  column->addWidget(buttons);
}

void TCoordinateDlg::Arrange(const CoordinateEntry& entry) {
  prompt_->setText(Latin1(entry.prompt));
  for (size_t i = 0; i < fields_.size(); ++i) {
    bool second = i >= 3;
    size_t k = i % 3;
    bool shown = (second ? entry.secondShown : true) && (k < 2 || entry.zShown);
    captions_[i]->setText(Latin1(second ? entry.secondCaptions[k] : entry.captions[k]));
    fields_[i]->SetText(FloatToText(false, second ? entry.second[k] : entry.values[k]));
    captions_[i]->setVisible(shown);
    fields_[i]->setVisible(shown);
  }
  rapid_->setVisible(entry.rapidShown);
  rapid_->setChecked(entry.rapid);
  adjustSize();
}

bool TCoordinateDlg::Ask(CoordinateEntry& entry) {
  Arrange(entry);
  fields_[0]->setFocus();
  fields_[0]->selectAll();
  if (exec() != QDialog::Accepted) return false;
  // A hidden field keeps the caller's value.
  for (size_t k = 0; k < 3; ++k) {
    if (fields_[k]->isVisibleTo(this)) entry.values[k] = values_[k];
    if (fields_[k + 3]->isVisibleTo(this)) entry.second[k] = values_[k + 3];
  }
  entry.rapid = rapid_->isChecked();
  return true;
}

// A bad expression keeps the window open.  Hidden fields are not read.
void TCoordinateDlg::accept() {
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i]->isVisibleTo(this) && !EvaluateFields({&fields_[i], 1}, {&values_[i], 1})) return;
  }
  QDialog::accept();
}

QString TCoordinateDlg::Caption(int i) const {
  return captions_[static_cast<size_t>(i)]->text();
}

QString TCoordinateDlg::Prompt() const {
  return prompt_->text();
}

}  // namespace quill
