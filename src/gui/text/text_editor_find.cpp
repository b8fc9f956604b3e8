#include "text/text_editor_find.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quill {
namespace {

QPushButton* Button(const char* text, const char* name) {
  auto* b = new QPushButton(text);
  b->setObjectName(name);
  return b;
}

}  // namespace

TFindReplaceDlg::TFindReplaceDlg(QWidget* parent) : QDialog(parent) {
  setObjectName("TFindReplaceDlg");
  setModal(false);
  what_ = new QLineEdit;
  what_->setObjectName("what");
  with_ = new QLineEdit;
  with_->setObjectName("with");
  withLabel_ = new QLabel("Re&place with:");
  withLabel_->setBuddy(with_);
  auto* whatLabel = new QLabel("Fi&nd what:");
  whatLabel->setBuddy(what_);
  wholeWord_ = new QCheckBox("Match &whole word only");
  wholeWord_->setObjectName("wholeWord");
  matchCase_ = new QCheckBox("Match &case");
  matchCase_->setObjectName("matchCase");

  auto* direction = new QGroupBox("Direction");
  auto* directionLayout = new QHBoxLayout(direction);
  auto* up = new QRadioButton("&Up");
  up->setObjectName("up");
  down_ = new QRadioButton("&Down");
  down_->setObjectName("down");
  down_->setChecked(true);
  directionLayout->addWidget(up);
  directionLayout->addWidget(down_);
  direction_ = direction;

  auto* findNext = Button("&Find Next", "findNext");
  findNext->setDefault(true);
  replace_ = Button("&Replace", "replace");
  replaceAll_ = Button("Replace &All", "replaceAll");
  auto* cancel = Button("Cancel", "cancel");
  connect(findNext, &QPushButton::clicked, this, &TFindReplaceDlg::FindNextClicked);
  connect(replace_, &QPushButton::clicked, this, &TFindReplaceDlg::ReplaceClicked);
  connect(replaceAll_, &QPushButton::clicked, this, &TFindReplaceDlg::ReplaceAllClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);

  auto* fields = new QGridLayout;
  fields->addWidget(whatLabel, 0, 0);
  fields->addWidget(what_, 0, 1);
  fields->addWidget(withLabel_, 1, 0);
  fields->addWidget(with_, 1, 1);
  fields->addWidget(wholeWord_, 2, 0, 1, 2);
  fields->addWidget(matchCase_, 3, 0, 1, 2);
  fields->addWidget(direction_, 4, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {findNext, replace_, replaceAll_, cancel}) buttons->addWidget(b);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
}

void TFindReplaceDlg::ShowFor(bool replace) {
  replaceMode_ = replace;
  setWindowTitle(replace ? "Replace" : "Find");
  withLabel_->setVisible(replace);
  with_->setVisible(replace);
  replace_->setVisible(replace);
  replaceAll_->setVisible(replace);
  direction_->setVisible(!replace);
  show();
  raise();
  activateWindow();
  what_->setFocus();
  what_->selectAll();
}

std::string TFindReplaceDlg::What() const {
  return what_->text().toLatin1().toStdString();
}

std::string TFindReplaceDlg::With() const {
  return with_->text().toLatin1().toStdString();
}

FindOptions TFindReplaceDlg::Options() const {
  // Replacing always runs downwards.
  return {replaceMode_ || down_->isChecked(), matchCase_->isChecked(), wholeWord_->isChecked()};
}

}  // namespace quill
