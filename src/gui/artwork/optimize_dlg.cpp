#include "artwork/optimize_dlg.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

#include "artwork/dialog_parts.h"
#include "shell/expr_field.h"

namespace quill {

namespace {

// A row of the window: a check box or a plain caption, and the field beside it, with their defaults.
struct Row {
  int box;    // TOptimizeDlg::Box, -1 for a caption
  int field;  // TOptimizeDlg::Field, -1 for none
  const char* caption;
  const char* name;
  bool on;
  const char* text;
};

constexpr Row kRows[] = {
    {TOptimizeDlg::Duplicates, -1, "Delete Duplicate/Bad Entities", "Duplicates", true, nullptr},
    {TOptimizeDlg::Merge, -1, "Merge Similar Entities", "Merge", true, nullptr},
    {-1, TOptimizeDlg::Connect, "End Point Connection Tolerance :", "Endtol", false, "0.0010"},
    {TOptimizeDlg::Force, -1, "Force End Point Match", "Force", true, nullptr},
    {TOptimizeDlg::Bridge, -1, "Bridge Endpoint Gaps", "Bridge", false, nullptr},
    {TOptimizeDlg::Simplify, TOptimizeDlg::SimplifyTolerance, "Simplify Polygons       Tolerance", "Simplify", false,
     "0.0100"},
    {TOptimizeDlg::Bezier, TOptimizeDlg::BezierLength, "Bezier Fit Entities Shorter Than :", "Bezier", false, "0.0050"},
    {-1, TOptimizeDlg::BezierTolerance, "Bezier Fit Tolerance : ", "BezierTol", false, "0.0100"},
    {TOptimizeDlg::ArcFit, TOptimizeDlg::ArcFitTolerance, "Arc Fit Bezier Curves   Tolerance :", "ArcFit", false,
     "0.0100"},
};

}  // namespace

TOptimizeDlg::TOptimizeDlg(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName("TOptimizeDlg");
  setWindowTitle("Optimize Tool Path");
  Build(ui);
  FollowBoxes();
}

void TOptimizeDlg::Build(Ui& ui) {
  auto* grid = new QGridLayout;
  int line = 0;
  for (const Row& r : kRows) {
    if (r.box >= 0) {
      auto* box = new QCheckBox(r.caption, this);
      box->setObjectName(r.name);
      box->setChecked(r.on);
      connect(box, &QCheckBox::toggled, this, &TOptimizeDlg::FollowBoxes);
      boxes_[static_cast<size_t>(r.box)] = box;
      grid->addWidget(box, line, 0);
    } else {
      grid->addWidget(new QLabel(r.caption, this), line, 0);
    }
    if (r.field >= 0) {
      auto* field = new ExprField(ui, this);
      field->setObjectName(QString(r.name) + "Field");
      field->setText(r.text);
      fields_[static_cast<size_t>(r.field)] = field;
      grid->addWidget(field, line, 1);
    }
    ++line;
  }
  ArrangeAboveButtons(this, grid, help_, "Art_Workshop_Optimize");
}

void TOptimizeDlg::FollowBoxes() {
  bool bezier = boxes_[Bezier]->isChecked();
  fields_[SimplifyTolerance]->setEnabled(boxes_[Simplify]->isChecked());
  fields_[BezierLength]->setEnabled(bezier);
  fields_[BezierTolerance]->setEnabled(bezier);
  boxes_[ArcFit]->setEnabled(bezier);
  fields_[ArcFitTolerance]->setEnabled(bezier && boxes_[ArcFit]->isChecked());
}

bool TOptimizeDlg::Ask() {
  return AskFrom(this, fields_[Connect]);
}

void TOptimizeDlg::accept() {
  OptimizeOptions o = options_;
  double* values[FieldCount] = {&o.connectTolerance, &o.simplifyTolerance, &o.bezierLength, &o.bezierSpacing,
                                &o.arcFitTolerance};
  // A field that is off keeps the value accepted last; its step does not run.
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (fields_[i]->isEnabled() && !EvaluateFields({&fields_[i], 1}, {values[i], 1})) return;
  }
  o.removeDuplicates = boxes_[Duplicates]->isChecked();
  o.mergeSimilar = boxes_[Merge]->isChecked();
  o.forceEndPoints = boxes_[Force]->isChecked();
  o.bridgeGaps = boxes_[Bridge]->isChecked();
  o.simplify = boxes_[Simplify]->isChecked();
  o.bezier = boxes_[Bezier]->isChecked();
  o.arcFit = o.bezier && boxes_[ArcFit]->isChecked();
  if (Refused(ui_, o.Check())) return;
  options_ = o;
  QDialog::accept();
}

}  // namespace quill
