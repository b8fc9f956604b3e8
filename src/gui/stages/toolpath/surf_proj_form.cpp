#include "stages/toolpath/surf_proj_form.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "artwork/dialog_parts.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"
#include "toolpath/surface/surface_dialog.h"

namespace quill {

TSurfProjForm::TSurfProjForm(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TSurfProjForm");
  setWindowTitle("Surface Projections");
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new ExprField(job.ui, this);
    fields_[i]->setObjectName(QString("PSEDIT%1").arg(i + 1));
    captions_[i] = new QLabel(this);
  }
  tolerance_field_ = new ExprField(job.ui, this);
  tolerance_field_->setObjectName("Tolerance");
  tolerance_field_->SetText(FormatFixed(DefaultProjectionTolerance, 4));
  angle_ = new ExprField(job.ui, this);
  angle_->setObjectName("Angle");
  angle_->SetText("0.0");
  angleCaption_ = new QLabel("Angle", this);
  calc_ = new QPushButton("Calc Radius #2", this);
  calc_->setToolTip("Enter Angle & Press [Calc] to Calculate Radius #2");
  calc_->setAutoDefault(false);
  connect(calc_, &QPushButton::clicked, this, &TSurfProjForm::CalcRadius2Click);
  BuildLayout();
  for (ExprField* f : fields_) connect(f, &QLineEdit::textChanged, this, &TSurfProjForm::Relabel);
}

QGroupBox* TSurfProjForm::Choice(const char* title, QButtonGroup*& group, std::initializer_list<const char*> captions) {
  auto* box = new QGroupBox(title, this);
  auto* column = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  int id = 0;
  for (const char* caption : captions) {
    auto* button = new QRadioButton(caption, box);
    group->addButton(button, id++);
    column->addWidget(button);
  }
  group->button(0)->setChecked(true);
  return box;
}

void TSurfProjForm::BuildLayout() {
  types_ = Choice("Surface Type:", type_, {"Plane", "Sphere", "Cylinder", "Cone"});
  place_ = Choice("Place Tool On Surface", side_, {"Top", "Bottom"});
  normal_ = Choice("Project Tool Normal To", along_, {"XY-Plane", "Surface"});
  connect(type_, &QButtonGroup::idClicked, this, &TSurfProjForm::Relabel);
  auto* choices = new QVBoxLayout;
  choices->addWidget(types_);
  choices->addWidget(place_);
  choices->addWidget(normal_);
  choices->addStretch();

  auto* grid = new QGridLayout;
  for (size_t i = 0; i < fields_.size(); ++i) {
    grid->addWidget(captions_[i], static_cast<int>(i), 0);
    grid->addWidget(fields_[i], static_cast<int>(i), 1);
  }
  grid->addWidget(angleCaption_, 9, 0);
  grid->addWidget(angle_, 9, 1);
  grid->addWidget(calc_, 10, 1);
  grid->addWidget(new QLabel("Projection Tolerance: ", this), 11, 0);
  grid->addWidget(tolerance_field_, 11, 1);

  auto* top = new QHBoxLayout;
  top->addLayout(choices);
  top->addLayout(grid);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_("Project_On_Surface");
  }));
}

QRadioButton* TSurfProjForm::TypeButton(SurfaceType type) const {
  return static_cast<QRadioButton*>(type_->button(static_cast<int>(type)));
}

SurfaceType TSurfProjForm::Type() const {
  return static_cast<SurfaceType>(std::max(0, type_->checkedId()));
}

SurfaceInput TSurfProjForm::QuietInput() const {
  SurfaceInput in;
  in.type = Type();
  in.bottom = side_->checkedId() == 1;
  for (size_t i = 0; i < fields_.size(); ++i) in.field[i] = StrictToDouble(fields_[i]->Text()).value_or(0.0);
  return in;
}

void TSurfProjForm::Relabel() {
  SurfaceType type = Type();
  std::array<const char*, 9> captions = SurfaceFieldCaptions(type, ConeStandsUpright(QuietInput()));
  for (size_t i = 0; i < fields_.size(); ++i) {
    bool shown = *captions[i] != '\0';
    captions_[i]->setText(captions[i]);
    captions_[i]->setVisible(shown);
    fields_[i]->setVisible(shown);
  }
  bool cone = type == SurfaceType::Cone;
  angleCaption_->setVisible(cone);
  angle_->setVisible(cone);
  calc_->setVisible(cone);
  place_->setEnabled(SurfaceChoicesApply(type));
  normal_->setEnabled(SurfaceChoicesApply(type));
}

void TSurfProjForm::showEvent(QShowEvent* event) {
  const EngravingSettings& s = job_.settings;
  type_->button(std::clamp(s.PSSURFTYPE, 0, 3))->setChecked(true);
  side_->button(s.PSTOPBOT == 1 ? 1 : 0)->setChecked(true);
  along_->button(s.PSPROJECTNORM == 1 ? 1 : 0)->setChecked(true);
  for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->SetText(s.PSEDIT[i]);
  Relabel();
  QDialog::showEvent(event);
}

void TSurfProjForm::CalcRadius2Click() {
  bool ok = false;
  double angle = angle_->Evaluate(&ok);
  if (!ok) return;
  if (std::optional<std::string> radius = CalcRadius2(job_.ui, QuietInput(), angle)) fields_[5]->SetText(*radius);
}

void TSurfProjForm::Store() {
  EngravingSettings& s = job_.settings;
  s.PSSURFTYPE = type_->checkedId();
  s.PSTOPBOT = side_->checkedId();
  s.PSPROJECTNORM = along_->checkedId();
  for (size_t i = 0; i < fields_.size(); ++i) s.PSEDIT[i] = fields_[i]->Text();
}

// The surface is built from the window's values before they are kept: one it cannot build keeps the
// window open and the project as it was.
void TSurfProjForm::accept() {
  std::vector<ExprField*> shown{tolerance_field_};
  for (ExprField* f : fields_) {
    if (!f->isHidden()) shown.push_back(f);
  }
  std::vector<double> values(shown.size());
  if (!EvaluateFields(shown, values)) return;
  const EngravingSettings before = job_.settings;
  Store();
  if (!SurfaceProjector(job_, values[0]).PrepareSurface()) {
    job_.settings = before;
    return;
  }
  tolerance_ = values[0];
  job_.flags.ProjectModified = true;
  QDialog::accept();
}

}  // namespace quill
