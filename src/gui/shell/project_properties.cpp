#include "shell/project_properties.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "shell/help_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"

namespace quill {

ProjectPropertiesDlg::ProjectPropertiesDlg(DesktopContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
  setObjectName(window_class::ProjectProperties);
  setWindowTitle("Project Properties");
  auto* grid = new QGridLayout(this);
  AddGroup(grid, 0, "Text Summary",
           {{"Number of Characters", "TextCharacters"}, {"Number of Entities", "TextEntities"},
            {"Extents", "TextExtents"}});
  AddGroup(grid, 1, "Artwork Summary", {{"Number of Entities", "ArtEntities"}, {"Extents", "ArtExtents"}});
  AddGroup(grid, 2, "Tool Path Summary",
           {{"Number of Blocks", "ToolBlocks"}, {"Rapid Length", "RapidLength"}, {"Cut Length", "CutLength"},
            {"Total Length", "TotalLength"}, {"Extents", "ToolExtents"}});
  AddGroup(grid, 3, "Totals", {{"Extents", "TotalExtents"}});
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* help = buttons->addButton("&Help", QDialogButtonBox::HelpRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpPage(context_, "Project_Properties"); });
  grid->addWidget(buttons, 4, 0);
}

QLabel* ProjectPropertiesDlg::AddValue(QFormLayout* form, const char* caption, const char* name) {
  auto* value = new QLabel(this);
  value->setObjectName(name);
  value->setTextInteractionFlags(Qt::TextSelectableByMouse);
  form->addRow(caption, value);
  values_[name] = value;
  return value;
}

// A group with its lines and the "Calculating ..." label that covers it until it is filled.
void ProjectPropertiesDlg::AddGroup(QGridLayout* grid, int row, const char* title,
                                    std::initializer_list<std::pair<const char*, const char*>> lines) {
  auto* group = new QGroupBox(title, this);
  auto* form = new QFormLayout(group);
  for (auto [caption, name] : lines) AddValue(form, caption, name);
  grid->addWidget(group, row, 0);
  auto* calculating = new QLabel("Calculating ...", this);
  calculating->setAlignment(Qt::AlignCenter);
  calculating->setAutoFillBackground(true);
  grid->addWidget(calculating, row, 0);
  calculating_.push_back(calculating);
}

int ProjectPropertiesDlg::Run() {
  for (QLabel* l : calculating_) l->show();
  QTimer::singleShot(0, this, &ProjectPropertiesDlg::Fill);
  return exec();
}

void ProjectPropertiesDlg::Fill() {
  for (QLabel* l : calculating_) l->show();
  QApplication::processEvents();
  SummariseProject(context_.job, summary_);
  const std::pair<const char*, const std::string*> shown[] = {
      {"TextCharacters", &summary_.characters}, {"TextEntities", &summary_.textEntities},
      {"TextExtents", &summary_.textExtents},   {"ArtEntities", &summary_.artEntities},
      {"ArtExtents", &summary_.artExtents},     {"ToolBlocks", &summary_.blocks},
      {"RapidLength", &summary_.rapidLength},   {"CutLength", &summary_.cutLength},
      {"TotalLength", &summary_.totalLength},   {"ToolExtents", &summary_.toolExtents},
      {"TotalExtents", &summary_.totalExtents}};
  for (auto [name, text] : shown) values_[name]->setText(QString::fromStdString(*text));
  for (QLabel* l : calculating_) l->hide();
}

QString ProjectPropertiesDlg::Value(const QString& name) const {
  auto it = values_.find(name);
  return it == values_.end() ? QString() : it->second->text();
}

bool ProjectPropertiesDlg::Calculating() const {
  for (QLabel* l : calculating_) {
    if (!l->isHidden()) return true;
  }
  return false;
}

}  // namespace quill
