#include "stages/gen_toolpath_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"
#include "stages/depth_calculator.h"
#include "stages/toolpath/toolpath_plugins.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/toolpath_dialog.h"

namespace quill {

namespace {

constexpr ToolPathSource Sources[] = {ToolPathSource::TextOnly, ToolPathSource::ArtworkOnly,
                                      ToolPathSource::ArtworkThenText, ToolPathSource::TextThenArtwork,
                                      ToolPathSource::BitmapScan};

double SettingValue(const std::string& text) {
  return StrictToDouble(text).value_or(0.0);
}

}  // namespace

TGenTpathDlg::TGenTpathDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TGenTpathDlg");
  setWindowTitle("Generate Tool Path");
  EngravingSettings& s = job.settings;
  AddField("ZCLEAR", &s.ZCLEAR);
  AddField("ZDEPTH", &s.ZDEPTH);
  AddField("CFEED", &s.CFEED);
  AddField("ZFEED", &s.ZFEED);
  AddField("TOOLDIA", &s.TOOLDIA);
  AddField("TLCR", &s.TLCR);
  AddField("ROTRAD", &s.ROTRAD);
  AddField("ZPERPASS", &s.ZPERPASS);
  AddField("ZTOP", &s.ZTOP);
  angleLabel_ = new QLabel(this);
  shape_ = new QComboBox(this);
  shape_->addItems({"Flat", "Ball", "Cone"});
  source_ = new QComboBox(this);
  for (ToolPathSource src : Sources) source_->addItem(SourceCaption(src));
  multiple_ = new QCheckBox("Multiple -Z- Depths", this);
  carve_ = new QCheckBox("Carve Text in 3D", this);
  constant_ = new QRadioButton("Constant -Z-", this);
  project_ = new QRadioButton("Project on Surface", this);
  constant_->setChecked(true);
  calculator_ = new QPushButton("-Z- &Depth Calculator", this);
  projectionsButton_ = new QPushButton("3D Projections", this);
  counter_ = new QLabel("0", this);
  calc_ = new TZDepthCalc(job.ui, this);
  BuildLayout();
  Connect();
  ReloadFields();
}

TGenTpathDlg::~TGenTpathDlg() = default;

void TGenTpathDlg::SetPlugins(std::unique_ptr<DesktopPlugins> plugins) {
  plugins_ = std::move(plugins);
}

ToolPathPlugins TGenTpathDlg::RunPlugins() {
  return plugins_ ? plugins_->ForRun() : ToolPathPlugins{};
}

ExprField* TGenTpathDlg::AddField(const std::string& key, std::string* setting) {
  auto* field = new ExprField(job_.ui, this);
  field->Bind(setting);
  fields_[key] = field;
  return field;
}

void TGenTpathDlg::BuildLayout() {
  auto* grid = new QGridLayout;
  const std::pair<const char*, const char*> rows[] = {
      {"-Z- Clearance Plane", "ZCLEAR"},  {"-Z- Cutting Depth", "ZDEPTH"}, {"Cut Feed Rate", "CFEED"},
      {"Plunge Feed Rate", "ZFEED"},      {"Tool Dia.", "TOOLDIA"},        {nullptr, "TLCR"},
      {"Rotary Cutting Radius", "ROTRAD"}};
  int row = 0;
  for (const auto& [caption, key] : rows) {
    grid->addWidget(caption ? new QLabel(caption, this) : angleLabel_, row, 0);
    grid->addWidget(fields_[key], row++, 1);
  }
  grid->addWidget(new QLabel("Tool Shape", this), row, 0);
  grid->addWidget(shape_, row++, 1);

  auto* depths = new QGroupBox(this);
  auto* depthGrid = new QGridLayout(depths);
  depthGrid->addWidget(multiple_, 0, 0, 1, 2);
  depthGrid->addWidget(new QLabel("-Z- Per Pass", this), 1, 0);
  depthGrid->addWidget(fields_["ZPERPASS"], 1, 1);
  depthGrid->addWidget(new QLabel("-Z- Top of Part", this), 2, 0);
  depthGrid->addWidget(fields_["ZTOP"], 2, 1);

  auto* zAxis = new QGroupBox("-Z- Axis Position", this);
  auto* zLayout = new QVBoxLayout(zAxis);
  zLayout->addWidget(constant_);
  zLayout->addWidget(project_);
  zLayout->addWidget(projectionsButton_);

  auto* sources = new QGroupBox("Create Tool Path For:", this);
  auto* sourceLayout = new QVBoxLayout(sources);
  sourceLayout->addWidget(source_);
  sourceLayout->addWidget(carve_);

  auto* right = new QVBoxLayout;
  right->addWidget(depths);
  right->addWidget(zAxis);
  right->addWidget(sources);
  right->addWidget(calculator_);
  auto* top = new QHBoxLayout;
  top->addLayout(grid);
  top->addLayout(right);

  auto* ok = new QPushButton("OK", this);
  auto* cancel = new QPushButton("Cancel", this);
  auto* help = new QPushButton("&Help", this);
  ok->setDefault(true);
  MarkLeavesWithoutApplying(cancel);
  connect(ok, &QPushButton::clicked, this, &TGenTpathDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &TGenTpathDlg::reject);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("Generate_Tool_Path");
  });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel("Processing Line : ", this));
  bottom->addWidget(counter_);
  bottom->addStretch();
  bottom->addWidget(ok);
  bottom->addWidget(cancel);
  bottom->addWidget(help);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(bottom);
}

void TGenTpathDlg::Connect() {
  connect(shape_, &QComboBox::activated, this, [this] { ToolShapeChosen(); });
  connect(source_, &QComboBox::currentIndexChanged, this, [this] { UpdateEnables(); });
  connect(multiple_, &QCheckBox::toggled, this, [this] { UpdateEnables(); });
  connect(constant_, &QRadioButton::toggled, this, [this] { UpdateEnables(); });
  connect(calculator_, &QPushButton::clicked, this, &TGenTpathDlg::OpenCalculator);
  connect(projectionsButton_, &QPushButton::clicked, this, [this] {
    if (projections_) projections_();
  });
}

void TGenTpathDlg::SetHelpOpener(HelpPageOpener opener) {
  calc_->SetHelpOpener(opener);
  help_ = std::move(opener);
}

ToolPathOptions TGenTpathDlg::Options() const {
  ToolPathOptions o;
  o.source = Sources[std::max(0, source_->currentIndex())];
  o.multipleDepths = multiple_->isChecked();
  o.zAxis = constant_->isChecked() ? ZAxisMode::Constant : ZAxisMode::ProjectOnSurface;
  o.carveText = carve_->isChecked();
  return o;
}

void TGenTpathDlg::ShowCounter(long value) {
  counter_->setText(QString::number(value));
}

void TGenTpathDlg::ReloadFields() {
  for (auto& [key, field] : fields_) field->Reload();
  shape_->setCurrentIndex(job_.settings.TSHAPE);
  angleLabel_->setText(ToolAngleCaption(job_.settings.TSHAPE));
  UpdateEnables();
}

void TGenTpathDlg::ToolShapeChosen() {
  job_.settings.TSHAPE = shape_->currentIndex();
  ApplyToolShape(job_.settings);
  ReloadFields();
}

void TGenTpathDlg::UpdateEnables() {
  bool flat = shape_->currentIndex() == ShapeFlat;
  bool constant = constant_->isChecked();
  if (!constant) multiple_->setChecked(false);
  fields_["TLCR"]->setEnabled(!flat);
  fields_["ZDEPTH"]->setEnabled(constant);
  calculator_->setEnabled(constant && !flat);
  multiple_->setEnabled(constant);
  projectionsButton_->setEnabled(!constant);
  fields_["ZPERPASS"]->setEnabled(multiple_->isChecked());
  fields_["ZTOP"]->setEnabled(multiple_->isChecked());
  bool carve = CarveAllowed(Options().source);
  if (!carve) carve_->setChecked(false);
  carve_->setEnabled(carve);
}

void TGenTpathDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ShowCounter(0);
  source_->setCurrentIndex(static_cast<int>(DefaultSource(job_.flags, Options().source)));
  ReloadFields();
}

void TGenTpathDlg::OpenCalculator() {
  const EngravingSettings& s = job_.settings;
  if (s.TSHAPE == ShapeBall) {
    calc_->SetTool(DepthTool::Ball, SettingValue(s.TOOLDIA));
  } else {
    calc_->SetTool(DepthTool::Cone, SettingValue(s.TLCR));
  }
  if (calc_->exec() != QDialog::Accepted) return;
  fields_["ZDEPTH"]->SetText(calc_->ResultText());
}

void TGenTpathDlg::accept() {
  if (!FieldsReady(this)) return;
  ApplyToolPathOk(job_.settings);
  fields_["TLCR"]->Reload();
  // A run that was refused keeps the dialog open, so the operator can put the fields right.
  if (serialMode_ || GenerateToolPath(job_, Options(), false, RunPlugins())) QDialog::accept();
}

}  // namespace quill
