// The "Curves" and "Spacing" pages: font-curve output, the curve the text follows with its point
// table, and the letter, word and line spacing with the per-character table.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "job/job.h"
#include "job/settings_rules.h"
#include "shell/expr_field.h"
#include "text/settings_dialog.h"
#include "text/settings_dialog_tables.h"

namespace quill {

QWidget* TSettingsDlg::BuildCurvesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  EngravingSettings& s = job_.settings;

  auto* output = new QGroupBox("Font Curves");
  auto* outputLayout = new QHBoxLayout(output);
  bind_.Choice({{"Fit Tangent Arcs", 1}, {"All Linear output", 0}}, s.OUTARCS, outputLayout);
  auto* tolerance = new QFormLayout;
  tolerance->addRow("Tolerance", bind_.Number(s.FCTOL, "FCTOL"));
  outputLayout->addLayout(tolerance);
  layout->addWidget(output);

  curveGroup_ = new QGroupBox;
  curveGroup_->setObjectName("Text Along a Curve");
  auto* curve = new QVBoxLayout(curveGroup_);
  auto* count = new QFormLayout;
  pointCount_ = bind_.Text(s.ACNPTS, "ACNPTS");
  pointCount_->installEventFilter(this);
  count->addRow("Number of Points", pointCount_);
  curve->addLayout(count);
  auto* fitting = new QHBoxLayout;
  bind_.Choice({{"No-Fitting", 1}, {"Cubic Spline", 0}}, s.BCTNOFIT, fitting);
  fitting->addWidget(bind_.Check("Perpendicular", s.ACPERP));
  curve->addLayout(fitting);
  pointTable_ = new SettingsTable;
  pointTable_->setObjectName("ACURVETAB");
  points_ = new CurvePointModel(s, pointTable_);
  pointTable_->setModel(points_);
  pointTable_->installEventFilter(this);
  curve->addWidget(pointTable_);
  layout->addWidget(curveGroup_);
  return page;
}

bool TSettingsDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pointTable_ && event->type() == QEvent::FocusIn) RefreshCurves();
  if (watched == pointCount_ && event->type() == QEvent::FocusOut) {
    auto reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) LeavePointCount();
  }
  return QDialog::eventFilter(watched, event);
}

// "Number of Points" left: out of range gets the message and the focus back; a good count sizes the
// table.
void TSettingsDlg::LeavePointCount() {
  if (CheckLeavingField(job_, SettingsField::NumberOfPoints)) {
    pointCount_->setFocus();
    return;
  }
  RefreshCurves();
}

void TSettingsDlg::RefreshCurves() {
  ApplyPointCount(job_.settings);
  points_->Refresh();
}

QWidget* TSettingsDlg::BuildSpacingPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  EngravingSettings& s = job_.settings;

  auto* gaps = new QFormLayout;
  letterSpace_ = bind_.Number(s.CHRSPACE, "CHRSPACE");
  wordSpace_ = bind_.Number(s.WSPACE, "WSPACE");
  lineSpace_ = bind_.Number(s.LSPACE, "LSPACE");
  gaps->addRow("Space Between Letters", letterSpace_);
  gaps->addRow("Space Between Words ", wordSpace_);
  gaps->addRow("Space Between Lines", lineSpace_);
  layout->addLayout(gaps);

  auto* kind = new QGroupBox("Spacing");
  auto* kindLayout = new QHBoxLayout(kind);
  spacingKind_ = bind_.Choice({{"Constant", 1}, {"Variable", 0}}, s.BCSPACE, kindLayout);
  connect(spacingKind_, &QButtonGroup::idClicked, this, [this](int id) {
    if (id == 0) VariableClicked();
    RefreshSpacing();
  });
  textEffectsButton_ = new QPushButton("Text Effects");
  textEffectsButton_->setObjectName("Text Effects");
  connect(textEffectsButton_, &QPushButton::clicked, this, &TSettingsDlg::OpenTextEffects);
  kindLayout->addWidget(textEffectsButton_);
  layout->addWidget(kind);

  charTable_ = new SettingsTable;
  charTable_->setObjectName("VSPACETAB");
  chars_ = new CharTableModel(s, charTable_);
  charTable_->setModel(chars_);
  layout->addWidget(charTable_);
  return page;
}

void TSettingsDlg::VariableClicked() {
  if (SwitchToVariableSpacing(job_) == VariableSpacing::TooMuchText) bind_.Reload();
}

void TSettingsDlg::OpenTextEffects() {
  if (!textEffects_) return;
  textEffects_();
  Refresh();
}

void TSettingsDlg::RefreshSpacing() {
  SpacingControls controls = SpacingKindControls(job_.settings);
  letterSpace_->setEnabled(controls.letterSpace);
  wordSpace_->setEnabled(controls.wordSpace);
  lineSpace_->setEnabled(controls.lineSpace);
  charTable_->setEnabled(controls.charTable);
  textEffectsButton_->setEnabled(controls.textEffects);
  chars_->Refresh();
}

}  // namespace quill
