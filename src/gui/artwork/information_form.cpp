#include "artwork/information_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "artwork/workshop/information.h"
#include "shell/latin1.h"

namespace quill {

TArtInfoForm::TArtInfoForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("TArtInfoForm");
  setWindowTitle("Information");
  auto* grid = new QGridLayout;
  for (size_t i = 0; i < kLines; ++i) {
    labels_[i] = new QLabel(this);
    values_[i] = new QLabel(this);
    values_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(labels_[i], static_cast<int>(i), 0);
    grid->addWidget(values_[i], static_cast<int>(i), 1);
  }
  auto* ok = new QPushButton("&OK", this);
  auto* help = new QPushButton("&Help", this);
  connect(ok, &QPushButton::clicked, this, &QWidget::close);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("Art_Workshop");
  });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(help);
  auto* column = new QVBoxLayout(this);
  column->addLayout(grid);
  column->addLayout(buttons);
}

void TArtInfoForm::ShowFigures(const WorkshopDocument& doc) {
  auto lines = InformationLines(ComputeInformation(doc));
  for (size_t i = 0; i < kLines; ++i) {
    labels_[i]->setText(lines[i].label);
    values_[i]->setText(Latin1(lines[i].value));
  }
}

QString TArtInfoForm::Value(const QString& label) const {
  for (size_t i = 0; i < kLines; ++i) {
    if (labels_[i]->text() == label) return values_[i]->text();
  }
  return {};
}

}  // namespace quill
