#include "artwork/edit_properties_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "geometry/entity.h"
#include "shell/latin1.h"

namespace quill {

TEditPropertiesDlg::TEditPropertiesDlg(QWidget* parent)
    : QDialog(parent), ccw_(new QCheckBox("Counter Clockwise", this)), information_(new QLabel(this)) {
  setObjectName("TEditPropertiesDlg");
  setWindowTitle("Edit Entity Properties");
  information_->setObjectName("Information");
  information_->setFont(QFont("Monospace"));
  information_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < kFields; ++i) {
    captions_[i] = new QLabel(this);
    fields_[i] = new QLineEdit(this);
    fields_[i]->setMinimumWidth(200);
    grid->addWidget(captions_[i], static_cast<int>(i), 0);
    grid->addWidget(fields_[i], static_cast<int>(i), 1);
  }
  QDialogButtonBox* buttons = OkCancelHelp(this, [this] {
    if (help_) help_("Art_Workshop_Edit_Properties");
  });
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addWidget(ccw_);
  column->addWidget(information_);
  column->addWidget(buttons);
}

bool TEditPropertiesDlg::Edit(const EntityProperties& props, Apply apply) {
  props_ = props;
  apply_ = std::move(apply);
  for (size_t i = 0; i < kFields; ++i) {
    bool shown = i < props.fields.size();
    captions_[i]->setText(shown ? Latin1(props.fields[i].caption) : QString());
    fields_[i]->setText(shown ? Latin1(props.fields[i].text) : QString());
    captions_[i]->setVisible(shown);
    fields_[i]->setVisible(shown);
  }
  ccw_->setVisible(props.kind == KindArc);
  ccw_->setChecked(props.ccw);
  QStringList lines;
  for (const std::string& line : props.information) lines << Latin1(line);
  information_->setText(lines.join('\n'));
  adjustSize();
  fields_[0]->setFocus();
  return exec() == QDialog::Accepted;
}

void TEditPropertiesDlg::accept() {
  EntityProperties edited = props_;
  for (size_t i = 0; i < edited.fields.size() && i < kFields; ++i) {
    edited.fields[i].text = Latin1(fields_[i]->text().trimmed());
  }
  edited.ccw = ccw_->isChecked();
  if (apply_ && !apply_(edited)) return;
  QDialog::accept();
}

QLineEdit* TEditPropertiesDlg::Field(const QString& caption) const {
  for (size_t i = 0; i < kFields; ++i) {
    if (fields_[i]->isVisibleTo(this) && captions_[i]->text() == caption) return fields_[i];
  }
  return nullptr;
}

QStringList TEditPropertiesDlg::Information() const {
  return information_->text().split('\n');
}

}  // namespace quill
