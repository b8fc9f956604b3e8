// "Edit Entity Properties": the selected entity's numbers (a point's position, a line's ends, an arc's
// centre, radius and angles in degrees, and whether it runs counter-clockwise) to be typed over, with
// its length and angle for information.  The entity keeps its kind.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "artwork/workshop/properties.h"
#include "shell/help_contexts.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace quill {

class TEditPropertiesDlg : public QDialog {
  Q_OBJECT

 public:
  // OK hands the edited values to apply; when it refuses them (it says why) the window stays open.
  using Apply = std::function<bool(const EntityProperties&)>;

  explicit TEditPropertiesDlg(QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Shows the entity's fields, modally; true when apply took the edited values.
  bool Edit(const EntityProperties& props, Apply apply);

  // The visible fields by caption ("-X- Start"), the arc's check box and the information lines.
  QLineEdit* Field(const QString& caption) const;
  QCheckBox& CounterClockwise() { return *ccw_; }
  QStringList Information() const;

  void accept() override;

 private:
  static constexpr size_t kFields = 5;  // an arc has the most

  HelpPageOpener help_;
  EntityProperties props_;
  Apply apply_;
  std::array<QLabel*, kFields> captions_{};
  std::array<QLineEdit*, kFields> fields_{};
  QCheckBox* ccw_;
  QLabel* information_;
};

}  // namespace quill
