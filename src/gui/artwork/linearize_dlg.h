// "Linearize Arcs": the largest distance the chords that replace the drawing's arcs may keep from
// them.  The window keeps the tolerance accepted last.
#pragma once

#include <QDialog>

#include "artwork/tools/linearize.h"
#include "shell/help_contexts.h"

namespace quill {

class ExprField;
class Ui;

class TLinearizeDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TLinearizeDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Modal; on OK Options() holds the tolerance.
  bool Ask();
  const LinearizeOptions& Options() const { return options_; }

  ExprField& Tolerance() { return *tolerance_; }

  // A bad field, or a tolerance of 0 or less, keeps the window open.
  void accept() override;

 private:
  Ui& ui_;
  HelpPageOpener help_;
  LinearizeOptions options_;
  ExprField* tolerance_;
};

}  // namespace quill
