// "Deskew & Scale": how the selection is scaled ("Scale Options") and where its X axis comes from
// ("Deskew (-X- Axis) Options"), with the two fields whose captions follow the scale option.  The
// picks come after OK, in the workshop.  The window keeps what was accepted last.
#pragma once

#include <QDialog>
#include <array>
#include <initializer_list>

#include "artwork/tools/deskew.h"
#include "shell/help_contexts.h"

class QButtonGroup;
class QLabel;
class QVBoxLayout;

namespace quill {

class ExprField;
class Ui;

class TDeskewDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TDeskewDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Modal; on OK Options() holds the choices and the fields.
  bool Ask();
  const DeskewOptions& Options() const { return options_; }

  // The groups' items by index (as DeskewScaling and DeskewAxis count them), the fields and their
  // captions.
  QButtonGroup& ScaleGroup() { return *scale_; }
  QButtonGroup& AxisGroup() { return *axis_; }
  ExprField& Entry(int i) { return *fields_[static_cast<size_t>(i)]; }
  QString Caption(int i) const;

  // A bad field, or a known scale of 0, keeps the window open.
  void accept() override;

 private:
  QButtonGroup* Group(const char* title, std::initializer_list<const char*> items, int checked, QVBoxLayout* column);
  // The captions and the fields the scale option uses.
  void FollowScale();

  Ui& ui_;
  HelpPageOpener help_;
  DeskewOptions options_;
  QButtonGroup* scale_ = nullptr;
  QButtonGroup* axis_ = nullptr;
  std::array<QLabel*, 2> captions_{};
  std::array<ExprField*, 2> fields_{};
};

}  // namespace quill
