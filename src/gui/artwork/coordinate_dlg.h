// The coordinate window: a prompt line and up to three numeric fields ("-X- Coordinate", "-Y-
// Coordinate", "-Z- Coordinate" unless the caller names them otherwise), each evaluated as an
// expression when left.  A second column of three fields and a "Rapid Mode" box serve callers that
// enter a second point; they stay hidden unless asked for.  The workshop's Move, Rotate and Scale ask
// their amounts here.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "shell/help_contexts.h"

class QCheckBox;
class QLabel;

namespace quill {

class ExprField;
class Ui;

struct CoordinateEntry {
  std::string prompt;
  std::array<std::string, 3> captions{"-X- Coordinate", "-Y- Coordinate", "-Z- Coordinate"};
  std::array<double, 3> values{};  // shown with 15 decimals; OK puts the evaluated fields back here
  bool zShown = true;              // the third field
  // The second column, its captions and values, and the "Rapid Mode" box, for a second point.
  bool secondShown = false;
  std::array<std::string, 3> secondCaptions{"-X- Coordinate", "-Y- Coordinate", "-Z- Coordinate"};
  std::array<double, 3> second{};
  bool rapidShown = false;
  bool rapid = false;
};

class TCoordinateDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TCoordinateDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Shows the entry's prompt, captions and values, modally; on OK the entry holds what was typed.
  bool Ask(CoordinateEntry& entry);

  // The fields, 0 to 2 the first column and 3 to 5 the second.
  ExprField& Field(int i) { return *fields_[static_cast<size_t>(i)]; }
  QString Caption(int i) const;
  QString Prompt() const;
  QCheckBox& RapidMode() { return *rapid_; }

  void accept() override;

 private:
  void Arrange(const CoordinateEntry& entry);

  HelpPageOpener help_;
  QLabel* prompt_;
  std::array<QLabel*, 6> captions_{};
  std::array<ExprField*, 6> fields_{};
  std::array<double, 6> values_{};
  QCheckBox* rapid_;
};

}  // namespace quill
