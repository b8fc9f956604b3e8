// The preferences dialog's five pages.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "job/job.h"
#include "project/preferences_dialog.h"
#include "shell/expr_field.h"
#include "text/prefs_dialog.h"

namespace quill {
namespace {

// The colour grid in the order of the named colours.
constexpr std::array<Color, 16> kGridColors{clBlack, clMaroon, clGreen,  clOlive, clNavy,   clPurple,
                                            clTeal,  clGray,   clSilver, clRed,   clLime,   clYellow,
                                            clBlue,  clFuchsia, clAqua,  clWhite};

QColor ToQColor(Color c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

void Paint(QAbstractButton* button, Color color) {
  button->setStyleSheet(QString("background-color: %1").arg(ToQColor(color).name()));
}

}  // namespace

QWidget* TPrefsDlg::BuildDirectoriesPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  auto* form = new QFormLayout;
  tapeDir_ = new QLineEdit(QString::fromStdString(job_.paths.TapeDir));
  tapeDir_->setObjectName("TAPEDIR");
  form->addRow("Default Directory for NC - Files", tapeDir_);
  layout->addLayout(form);
  // Choosing a folder in the tree copies it into the field.
  auto* folders = new QFileSystemModel(page);
  folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  folders->setRootPath("/");
  auto* tree = new QTreeView;
  tree->setObjectName("folders");
  tree->setModel(folders);
  for (int column = 1; column < folders->columnCount(); ++column) tree->hideColumn(column);
  tree->header()->hide();
  tree->setCurrentIndex(folders->index(tapeDir_->text()));
  connect(tree, &QTreeView::clicked, this, [this, folders](const QModelIndex& index) {
    QString path = folders->filePath(index);
    tapeDir_->setText(path.endsWith('/') ? path : path + '/');
  });
  layout->addWidget(tree);
  return page;
}

QWidget* TPrefsDlg::BuildColorsPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  auto* gridBox = new QGroupBox("Colors");
  auto* gridLayout = new QGridLayout(gridBox);
  grid_ = new QButtonGroup(this);
  for (size_t i = 0; i < kGridColors.size(); ++i) {
    auto* cell = new QToolButton;
    cell->setObjectName(QString("grid%1").arg(i));
    cell->setCheckable(true);
    cell->setFixedSize(28, 28);
    Paint(cell, kGridColors[i]);
    colors_[cell] = kGridColors[i];
    grid_->addButton(cell, static_cast<int>(i));
    gridLayout->addWidget(cell, static_cast<int>(i / 4), static_cast<int>(i % 4));
  }
  grid_->button(0)->setChecked(true);
  layout->addWidget(gridBox);

  const Preferences& p = job_.prefs;
  auto* swatches = new QVBoxLayout;
  for (auto [text, color] : {std::pair{"Artwork Color", p.ArtColor}, {"Text Linear Color", p.TextLineColor},
                             {"Text Arc Color", p.TextArcColor}, {"Tool Path Color", p.ToolPathColor},
                             {"Tool Path Color (Rapids)", p.RapidColor}}) {
    swatches->addWidget(Swatch(text, color));
  }
  swatches->addStretch();
  layout->addLayout(swatches);
  return page;
}

QPushButton* TPrefsDlg::Swatch(const char* text, Color color) {
  auto* swatch = new QPushButton(text);
  swatch->setObjectName(text);
  swatches_[text] = swatch;
  PaintSwatch(swatch, color);
  connect(swatch, &QPushButton::clicked, this,
          [this, swatch] { PaintSwatch(swatch, colors_.at(grid_->checkedButton())); });
  return swatch;
}

void TPrefsDlg::PaintSwatch(QPushButton* swatch, Color color) {
  colors_[swatch] = color;
  Paint(swatch, color);
}

QCheckBox* TPrefsDlg::Check(const char* text, bool on) {
  auto* box = new QCheckBox(text);
  box->setObjectName(text);
  box->setChecked(on);
  checks_[text] = box;
  return box;
}

QWidget* TPrefsDlg::BuildDisplayPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const Preferences& p = job_.prefs;
  QCheckBox* toolPath = Check("Display Tool Path", p.ShowToolPath);
  QCheckBox* toolWidth = Check("Show Tool Width", p.ShowToolWidth);
  for (QCheckBox* box : {toolPath, toolWidth, Check("Display Axes", p.ShowAxes),
                         Check("Show Rapid Moves", p.ShowRapids), Check("Display Ruler", p.ShowRuler),
                         Check("Black Background", p.BlackBackground), Check("Show Tool Image", p.ShowToolImage)}) {
    layout->addWidget(box);
  }
  auto follow = [toolPath, toolWidth] { toolWidth->setEnabled(toolPath->isChecked()); };
  connect(toolPath, &QCheckBox::toggled, this, follow);
  follow();
  layout->addStretch();
  return page;
}

QWidget* TPrefsDlg::BuildPrinterPage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const Preferences& p = job_.prefs;
  auto* width = new QHBoxLayout;
  lineWidth_ = new QLineEdit(QString::number(p.PrintLineWidth));
  lineWidth_->setObjectName("PRNLNWIDTH");
  auto* up = new QToolButton;
  up->setObjectName("up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton;
  down->setObjectName("down");
  down->setArrowType(Qt::DownArrow);
  connect(up, &QToolButton::clicked, this, [this] { StepWidth(1); });
  connect(down, &QToolButton::clicked, this, [this] { StepWidth(-1); });
  auto* form = new QFormLayout;
  form->addRow("Printer Line Width", lineWidth_);
  width->addLayout(form);
  width->addWidget(up);
  width->addWidget(down);
  layout->addLayout(width);
  layout->addWidget(Check("Allow Color Printing", p.PrintColor));
  layout->addWidget(Check("Print 1=1 Scale", p.PrintToScale));
  layout->addStretch();
  return page;
}

void TPrefsDlg::StepWidth(int step) {
  lineWidth_->setText(QString::fromStdString(StepLineWidth(lineWidth_->text().toStdString(), step)));
}

QWidget* TPrefsDlg::BuildDefaultsPage() {
  auto* page = new QWidget;
  auto* form = new QFormLayout(page);
  tolerance_ = new ExprField(job_.ui);
  tolerance_->setObjectName("PROJTOL");
  extension_ = new QLineEdit(QString::fromLatin1(job_.prefs.DefaultExt.c_str()));
  extension_->setObjectName("DEFEXT");
  extension_->setMaxLength(3);
  form->addRow("Surface Projection Tolerance", tolerance_);
  form->addRow("Default NC - File Extension ", extension_);
  return page;
}

}  // namespace quill
