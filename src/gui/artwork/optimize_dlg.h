// "Optimize Tool Path": the options of the optimiser, asked before the workshop's Optimize Tool Path
// picks its starting point.  The window keeps the options accepted last for the next run.
#pragma once

#include <QDialog>
#include <array>

#include "artwork/tools/optimize.h"
#include "shell/help_contexts.h"

class QCheckBox;

namespace quill {

class ExprField;
class Ui;

class TOptimizeDlg : public QDialog {
  Q_OBJECT

 public:
  // The check boxes and fields, in the window's order.
  enum Box { Duplicates, Merge, Force, Bridge, Simplify, Bezier, ArcFit, BoxCount };
  enum Field { Connect, SimplifyTolerance, BezierLength, BezierTolerance, ArcFitTolerance, FieldCount };

  explicit TOptimizeDlg(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // Modal; on OK Options() holds what was set.
  bool Ask();
  const OptimizeOptions& Options() const { return options_; }

  QCheckBox& Check(Box b) { return *boxes_[b]; }
  ExprField& Entry(Field f) { return *fields_[f]; }

  // The fields worked out and the options checked: a bad field or options the optimiser refuses keep
  // the window open.
  void accept() override;

 private:
  void Build(Ui& ui);
  // The fields of a step are enabled only while its check box is on.
  void FollowBoxes();

  Ui& ui_;
  HelpPageOpener help_;
  OptimizeOptions options_;
  std::array<QCheckBox*, BoxCount> boxes_{};
  std::array<ExprField*, FieldCount> fields_{};
};

}  // namespace quill
