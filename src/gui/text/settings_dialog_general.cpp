// The "General" page: how the text line runs, its justification and the five text coordinates whose
// labels follow the mode.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "job/job.h"
#include "job/settings_rules.h"
#include "shell/expr_field.h"
#include "text/settings_dialog.h"

namespace quill {

QWidget* TSettingsDlg::BuildGeneralPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  EngravingSettings& s = job_.settings;

  auto* path = new QGroupBox("Text Path");
  path->setObjectName("Text Path");
  auto* pathLayout = new QVBoxLayout(path);
  bind_.Choice({{"Linear", ModeLinear}, {"CW on an Arc", ModeCwArc}, {"CCW on an Arc", ModeCcwArc},
                {"Along a Curve", ModeCurve}},
               s.TTYPE, pathLayout, [this] {
                 SelectTextMode(job_.settings, job_.settings.TTYPE);
                 bind_.Reload();
                 Relabel();
               });

  auto* justification = new QGroupBox("Justification");
  auto* justLayout = new QVBoxLayout(justification);
  justify_ = bind_.Choice({{"Left Justify", JustLeft}, {"Right Justify", JustRight}, {"Center Justify", JustCenter},
                           {"Full Justification", JustFull}},
                          s.TJUST, justLayout, [this] { Relabel(); });

  auto* coords = new QGroupBox("Text Coordinates");
  coords->setObjectName("Text Coordinates");
  auto* form = new QFormLayout(coords);
  std::array<std::string*, 5> settings{&s.XSTART, &s.YSTART, &s.TANGLE, &s.XEND, &s.YEND};
  static constexpr std::array<const char*, 5> kNames{"XSTART", "YSTART", "TANGLE", "XEND", "YEND"};
  for (size_t i = 0; i < settings.size(); ++i) {
    coordLabels_[i] = new QLabel;
    coordFields_[i] = bind_.Number(*settings[i], kNames[i]);
    coordLabels_[i]->setBuddy(coordFields_[i]);
    form->addRow(coordLabels_[i], coordFields_[i]);
  }

  auto* options = new QHBoxLayout;
  options->addWidget(bind_.Check("Mirror Image", s.MIRROR));
  options->addWidget(bind_.Check("Vertical", s.VERTICAL));

  auto* top = new QHBoxLayout;
  top->addWidget(path);
  top->addWidget(justification);
  layout->addLayout(top);
  layout->addWidget(coords);
  layout->addLayout(options);
  layout->addStretch();
  return page;
}

void TSettingsDlg::Relabel() {
  const EngravingSettings& s = job_.settings;
  std::array<CoordinateField, 5> fields = TextCoordinateFields(s.TTYPE, s.TJUST);
  for (size_t i = 0; i < fields.size(); ++i) {
    coordLabels_[i]->setText(QString::fromLatin1(fields[i].label));
    coordLabels_[i]->setEnabled(fields[i].enabled);
    coordFields_[i]->setEnabled(fields[i].enabled);
  }
  std::array<bool, 4> justifyEnabled = JustifyButtonsEnabled(s.TTYPE);
  for (int j = JustLeft; j <= JustFull; ++j) justify_->button(j)->setEnabled(justifyEnabled[j - JustLeft]);
  CurveGroupState curve = CurveGroup(s.TTYPE);
  curveGroup_->setEnabled(curve.enabled);
  curveGroup_->setTitle(QString::fromLatin1(curve.caption));
}

}  // namespace quill
