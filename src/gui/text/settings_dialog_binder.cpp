#include "text/settings_dialog_binder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "job/settings_values.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"

namespace quill {

QCheckBox* SettingBinder::Check(const char* text, bool& setting, std::function<void()> changed) {
  auto* box = new QCheckBox(QString::fromLatin1(text));
  box->setObjectName(QString::fromLatin1(text));
  QObject::connect(box, &QCheckBox::clicked, box, [&setting, changed](bool on) {
    setting = on;
    if (changed) changed();
  });
  reloads_.push_back([box, &setting] { box->setChecked(setting); });
  box->setChecked(setting);
  return box;
}

QButtonGroup* SettingBinder::Choice(std::initializer_list<std::pair<const char*, int>> items, int& setting,
                                    QLayout* layout, std::function<void()> changed) {
  auto* group = new QButtonGroup(layout);
  for (const auto& [text, value] : items) {
    auto* button = new QRadioButton(QString::fromLatin1(text));
    button->setObjectName(QString::fromLatin1(text));
    group->addButton(button, value);
    layout->addWidget(button);
  }
  QObject::connect(group, &QButtonGroup::idClicked, group, [&setting, changed](int id) {
    setting = id;
    if (changed) changed();
  });
  auto reload = [group, &setting] {
    if (QAbstractButton* b = group->button(setting)) b->setChecked(true);
  };
  reloads_.push_back(reload);
  reload();
  return group;
}

ExprField* SettingBinder::Number(std::string& setting, const char* objectName) {
  auto* field = new ExprField(ui_);
  field->setObjectName(QString::fromLatin1(objectName));
  field->Bind(&setting);
  reloads_.push_back([field] { field->Reload(); });
  return field;
}

QLineEdit* SettingBinder::Text(std::string& setting, const char* objectName) {
  auto* field = new QLineEdit;
  field->setObjectName(QString::fromLatin1(objectName));
  ShowText(field, setting);
  QObject::connect(field, &QLineEdit::textChanged, field,
                   [&setting](const QString& t) { setting = t.toLatin1().toStdString(); });
  reloads_.push_back([field, &setting] { ShowText(field, setting); });
  return field;
}

QSpinBox* SettingBinder::Spin(std::string& setting, const char* objectName, int low, int high) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QString::fromLatin1(objectName));
  spin->setRange(low, high);
  auto reload = [spin, &setting, low, high] {
    QSignalBlocker quiet(spin);
    spin->setValue(std::clamp(IntegerText(setting).value_or(0), low, high));
  };
  QObject::connect(spin, &QSpinBox::valueChanged, spin, [&setting](int v) { setting = IntToText(v); });
  reloads_.push_back(reload);
  reload();
  return spin;
}

void SettingBinder::Reload() {
  for (const auto& reload : reloads_) reload();
}

void ShowText(QLineEdit* field, const std::string& text) {
  QString shown = QString::fromLatin1(text.c_str());
  if (field->text() != shown) field->setText(shown);
}

}  // namespace quill
