#include "artwork/deskew_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "artwork/dialog_parts.h"
#include "shell/expr_field.h"

namespace quill {

TDeskewDlg::TDeskewDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TDeskewDlg");
  setWindowTitle("Deskew & Scale");
  auto* column = new QVBoxLayout;
  scale_ =
      Group("Scale Options", {"No Scaling", "Coordinates of a Known Point", "Known Distance To a Point", "Known Scale"},
            static_cast<int>(options_.scaling), column);
  axis_ = Group("Deskew (-X- Axis) Options", {"None", "Select -X- Axis Line", "Select -X- Axis Two Points"},
                static_cast<int>(options_.axis), column);
  auto* form = new QFormLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    captions_[i] = new QLabel(this);
    fields_[i] = new ExprField(ui, this);
    fields_[i]->setObjectName(i == 0 ? "First" : "Second");
    fields_[i]->setText("0.0");
    form->addRow(captions_[i], fields_[i]);
  }
  column->addLayout(form);
  ArrangeAboveButtons(this, column, help_, "Deskew___Scale");
  connect(scale_, &QButtonGroup::idToggled, this, &TDeskewDlg::FollowScale);
  FollowScale();
}

QButtonGroup* TDeskewDlg::Group(const char* title, std::initializer_list<const char*> items, int checked,
                                QVBoxLayout* column) {
  auto* box = new QGroupBox(title, this);
  auto* group = new QButtonGroup(box);
  auto* rows = new QVBoxLayout(box);
  int id = 0;
  for (const char* item : items) {
    auto* button = new QRadioButton(item, box);
    button->setChecked(id == checked);
    group->addButton(button, id++);
    rows->addWidget(button);
  }
  column->addWidget(box);
  return group;
}

// "-X-" and "-Y-" for a known point (and, disabled, without scaling); "Distance" or "Scale" in the
// first field alone.
void TDeskewDlg::FollowScale() {
  auto scaling = static_cast<DeskewScaling>(scale_->checkedId());
  bool single = scaling == DeskewScaling::KnownDistance || scaling == DeskewScaling::KnownScale;
  const char* first = scaling == DeskewScaling::KnownDistance ? "Distance"
                      : scaling == DeskewScaling::KnownScale  ? "Scale"
                                                              : "-X-";
  captions_[0]->setText(first);
  captions_[1]->setText("-Y-");
  fields_[0]->setEnabled(scaling != DeskewScaling::None);
  fields_[1]->setEnabled(scaling == DeskewScaling::KnownPoint);
  captions_[1]->setVisible(!single);
  fields_[1]->setVisible(!single);
}

QString TDeskewDlg::Caption(int i) const {
  return captions_[static_cast<size_t>(i)]->text();
}

bool TDeskewDlg::Ask() {
  return exec() == QDialog::Accepted;
}

void TDeskewDlg::accept() {
  DeskewOptions o = options_;
  o.scaling = static_cast<DeskewScaling>(scale_->checkedId());
  o.axis = static_cast<DeskewAxis>(axis_->checkedId());
  double* values[] = {&o.first, &o.second};
  // A field the option does not use keeps its value and is not read.
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i]->isEnabled() && fields_[i]->isVisibleTo(this) && !EvaluateFields({&fields_[i], 1}, {values[i], 1})) {
      return;
    }
  }
  if (Refused(ui_, o.Check())) return;
  options_ = o;
  QDialog::accept();
}

}  // namespace quill
