#include "text/prefs_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "job/job.h"
#include "project/preferences_dialog.h"
#include "shell/expr_field.h"
#include "shell/dialog_buttons.h"

namespace quill {

TPrefsDlg::TPrefsDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TPrefsDlg");
  setWindowTitle("QUILLMARK Preferences");
  setModal(true);
  auto* pages = new QTabWidget;
  pages->setObjectName("pages");
  pages->setTabPosition(QTabWidget::South);
  pages->addTab(BuildDirectoriesPage(), "Directories");
  pages->addTab(BuildColorsPage(), "Colors");
  pages->addTab(BuildDisplayPage(), "Display");
  pages->addTab(BuildPrinterPage(), "Printer");
  pages->addTab(BuildDefaultsPage(), "Defaults");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
  resize(600, 460);  // room for the five tabs and the folder tree
}

void TPrefsDlg::showEvent(QShowEvent* event) {
  tolerance_->SetText(ToleranceFieldText(job_.prefs));
  QDialog::showEvent(event);
}

void TPrefsDlg::accept() {
  if (!FieldsReady(this)) return;
  PreferencesFields f;
  f.tapeDir = tapeDir_->text().toStdString();
  f.defaultExt = extension_->text().toLatin1().toStdString();
  f.lineWidth = lineWidth_->text().toLatin1().toStdString();
  f.tolerance = tolerance_->Text();
  f.artColor = SwatchColor("Artwork Color");
  f.textLineColor = SwatchColor("Text Linear Color");
  f.textArcColor = SwatchColor("Text Arc Color");
  f.toolPathColor = SwatchColor("Tool Path Color");
  f.rapidColor = SwatchColor("Tool Path Color (Rapids)");
  f.showToolPath = checks_.at("Display Tool Path")->isChecked();
  f.showToolWidth = checks_.at("Show Tool Width")->isChecked();
  f.showToolImage = checks_.at("Show Tool Image")->isChecked();
  f.showRapids = checks_.at("Show Rapid Moves")->isChecked();
  f.showAxes = checks_.at("Display Axes")->isChecked();
  f.showRuler = checks_.at("Display Ruler")->isChecked();
  f.blackBackground = checks_.at("Black Background")->isChecked();
  f.printColor = checks_.at("Allow Color Printing")->isChecked();
  f.printToScale = checks_.at("Print 1=1 Scale")->isChecked();
  ApplyPreferencesFields(job_, f);
  QDialog::accept();
}

Color TPrefsDlg::SwatchColor(const std::string& name) const {
  return colors_.at(swatches_.at(name));
}

}  // namespace quill
