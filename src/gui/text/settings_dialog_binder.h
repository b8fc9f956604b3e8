// Controls that are the settings themselves: an operator's click or edit goes straight into the
// setting, and Reload() makes every control show its setting again (after a project was read).
#pragma once

#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace quill {

class ExprField;
class Ui;

class SettingBinder {
 public:
  explicit SettingBinder(Ui& ui) : ui_(ui) {}

  // A check box; changed runs after the operator's click.
  QCheckBox* Check(const char* text, bool& setting, std::function<void()> changed = {});
  // Radio buttons (text, value) added to the layout; clicking one stores its value, then changed.
  QButtonGroup* Choice(std::initializer_list<std::pair<const char*, int>> items, int& setting, QLayout* layout,
                       std::function<void()> changed = {});
  // A numeric field evaluated as an expression on leaving.
  ExprField* Number(std::string& setting, const char* objectName);
  // A field whose text is the setting, not evaluated.
  QLineEdit* Text(std::string& setting, const char* objectName);
  // A whole number within [low, high] held as the setting's text; a text out of range or no number
  // shows as the nearest allowed number and is kept until the operator changes the value.
  QSpinBox* Spin(std::string& setting, const char* objectName, int low, int high);

  void Reload();

 private:
  Ui& ui_;
  std::vector<std::function<void()>> reloads_;
};

// Shows text in the field unless it already does (a reload keeps the cursor where it is).
void ShowText(QLineEdit* field, const std::string& text);

}  // namespace quill
