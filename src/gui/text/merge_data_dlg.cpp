#include "text/merge_data_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/merge/merge_batch.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "shell/expr_field.h"
#include "shell/latin1.h"
#include "text/merge_preview.h"
#include "shell/dialog_buttons.h"
#include "toolpath/merge/merge_rows.h"
#include "toolpath/merge/merge_run.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr char kSeparators[] = {0, ';', ',', '\t'};
constexpr HeaderRow kHeaders[] = {HeaderRow::Auto, HeaderRow::Yes, HeaderRow::No};

std::string Path(const QString& typed) {
  return typed.trimmed().toLocal8Bit().toStdString();
}

std::string ChooseFile(QWidget* parent, bool folder) {
  QString chosen = folder ? QFileDialog::getExistingDirectory(parent, "NC Files Folder")
                          : QFileDialog::getOpenFileName(parent, "Data File", QString(),
                                                         "CSV Files (*.csv *.CSV *.txt *.TXT);;All Files (*)");
  return chosen.toLocal8Bit().toStdString();
}

QComboBox* Choices(const char* name, const QStringList& items) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  box->addItems(items);
  return box;
}

// A group of options switched on by its own tick, off at first.
QGroupBox* OptionGroup(const char* title, const char* name) {
  auto* group = new QGroupBox(title);
  group->setObjectName(name);
  group->setCheckable(true);
  group->setChecked(false);
  return group;
}

template <class Widget>
Widget* Named(Widget* w, const char* name) {
  w->setObjectName(name);
  return w;
}

// A line edit with a "Browse ..." button that fills it from the chooser.
QWidget* BrowseRow(QLineEdit* edit, const char* buttonName, std::function<void()> browse) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* button = new QPushButton("Browse ...", row);
  button->setObjectName(buttonName);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, row, std::move(browse));
  layout->addWidget(edit, 1);
  layout->addWidget(button);
  return row;
}

}  // namespace

TMergeDataDlg::TMergeDataDlg(Job& job, QWidget* parent)
    : QDialog(parent), job_(job), generator_(job), choose_(ChooseFile) {
  setObjectName("TMergeDataDlg");
  setWindowTitle("Merge Data");
  setModal(false);
  dataFile_ = Named(new QLineEdit, "dataFile");
  header_ = Choices("header", {"Automatic", "Yes", "No"});
  separator_ = Choices("separator", {"As the File Uses", "Semicolon ( ; )", "Comma ( , )", "Tab"});
  between_ = Named(new QPlainTextEdit("M00"), "between");
  comment_ = Named(new QCheckBox("Insert Row Comment"), "comment");
  comment_->setChecked(true);
  preview_ = new MergePreview(this);

  auto* form = new QFormLayout;
  form->addRow("Data File :", BuildFileRow());
  form->addRow("Header Row :", header_);
  form->addRow("Separator :", separator_);
  auto* previewButton = new QPushButton("&Preview");
  previewButton->setObjectName("Preview");
  previewButton->setAutoDefault(false);
  connect(previewButton, &QPushButton::clicked, this, &TMergeDataDlg::ShowPreview);

  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(new QLabel("NC-Code To Add Between Rows:"));
  left->addWidget(between_);
  left->addWidget(comment_);
  left->addWidget(BuildPerRow());
  left->addWidget(BuildArray());
  auto* right = new QVBoxLayout;
  right->addWidget(previewButton, 0, Qt::AlignLeft);
  right->addWidget(preview_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
  resize(900, 560);
}

QWidget* TMergeDataDlg::BuildFileRow() {
  return BrowseRow(dataFile_, "BrowseData", [this] {
    std::string chosen = choose_(this, false);
    if (!chosen.empty()) dataFile_->setText(QString::fromLocal8Bit(chosen.c_str()));
  });
}

QGroupBox* TMergeDataDlg::BuildPerRow() {
  perRow_ = OptionGroup("One NC File Per Row", "perRow");
  column_ = Named(new QLineEdit, "perRowColumn");
  folder_ = Named(new QLineEdit, "ncFolder");
  machine_ = Choices("machine", {});
  auto* form = new QFormLayout(perRow_);
  form->addRow("File Name From Column :", column_);
  form->addRow("NC Files Folder :", BrowseRow(folder_, "BrowseFolder", [this] {
                 std::string chosen = choose_(this, true);
                 if (!chosen.empty()) folder_->setText(QString::fromLocal8Bit(chosen.c_str()));
               }));
  form->addRow("Machine :", machine_);
  return perRow_;
}

QGroupBox* TMergeDataDlg::BuildArray() {
  array_ = OptionGroup("Lay Out Rows as an Array", "array");
  columns_ = Named(new QSpinBox, "columns");
  rows_ = Named(new QSpinBox, "rows");
  for (QSpinBox* count : {columns_, rows_}) count->setRange(1, ArrayCountLimit);
  pitchX_ = Named(new ExprField(job_.ui), "pitchX");
  pitchY_ = Named(new ExprField(job_.ui), "pitchY");
  for (ExprField* pitch : {pitchX_, pitchY_}) pitch->SetText("1.0000");
  auto* form = new QFormLayout(array_);
  form->addRow("Columns :", columns_);
  form->addRow("Rows :", rows_);
  form->addRow("-X- Pitch :", pitchX_);
  form->addRow("-Y- Pitch (down) :", pitchY_);
  return array_;
}

// The machines are those of the NC-code generator, its default chosen, each time the window opens.
void TMergeDataDlg::showEvent(QShowEvent* event) {
  generator_.Load();
  generator_.Show();
  machine_->clear();
  for (const std::string& name : generator_.Machines()) machine_->addItem(Latin1(name));
  machine_->setCurrentText(Latin1(generator_.Machine()));
  if (folder_->text().isEmpty()) {
    const std::string& folder = job_.paths.TapeDir.empty() ? job_.paths.ExeDir : job_.paths.TapeDir;
    folder_->setText(QString::fromLocal8Bit(folder.c_str()));
  }
  QDialog::showEvent(event);
}

MergeOptions TMergeDataDlg::Options() const {
  MergeOptions o;
  o.dataFile = Path(dataFile_->text());
  o.header = kHeaders[std::max(0, header_->currentIndex())];
  o.separator = kSeparators[std::max(0, separator_->currentIndex())];
  o.insertComment = comment_->isChecked();
  o.betweenRows.clear();
  if (!between_->toPlainText().isEmpty()) {
    for (const QString& line : between_->toPlainText().split('\n')) o.betweenRows.push_back(Latin1(line));
  }
  if (perRow_->isChecked()) o.perRowColumn = column_->text().trimmed().toStdString();
  if (array_->isChecked()) {
    o.array = {columns_->value(), rows_->value(), StrictToDouble(pitchX_->Text()).value_or(0.0),
               StrictToDouble(pitchY_->Text()).value_or(0.0)};
  }
  return o;
}

std::string TMergeDataDlg::NcFilesIn() const {
  std::string folder = Path(folder_->text());
  return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

bool TMergeDataDlg::PrepareRows(MergeOptions& options, MergeData& data) {
  if (array_->isChecked()) {
    bool ok = false;
    pitchX_->Evaluate(&ok);
    if (ok) pitchY_->Evaluate(&ok);
    if (!ok) return false;
  }
  options = Options();
  std::string refusal = CheckMergeOptions(options);
  if (refusal.empty() && perRow_->isChecked() && options.perRowColumn.empty()) {
    refusal = "Name the column the NC files are named from";
  }
  if (refusal.empty() && perRow_->isChecked() && !QFileInfo(QString::fromLocal8Bit(NcFilesIn().c_str())).isDir()) {
    refusal = "The folder for the NC files does not exist: " + NcFilesIn();
  }
  if (!refusal.empty()) {
    job_.ui.Error(refusal);
    return false;
  }
  preview_->Clear();
  if (!PrepareMergeRows(job_, options, data)) return false;
  preview_->Show(data, !options.perRowColumn.empty());
  return true;
}

bool TMergeDataDlg::ShowPreview() {
  MergeOptions options;
  MergeData data;
  return PrepareRows(options, data);
}

bool TMergeDataDlg::Run(const MergeOptions& options, const MergeData& data, const ToolPathRun& toolPath) {
  MergeStages stages{toolPath.options, generate_, toolPath.plugins, {}};
  if (!options.perRowColumn.empty()) {
    generator_.clFile = job_.paths.CLFileName;
    generator_.SelectMachine(Latin1(machine_->currentText()));
    // The generator takes the folder and the extension from this name; each row names its own file.
    stages.rowFinished = PostEachRow(generator_, NcFilesIn() + "ROW." + job_.prefs.DefaultExt, false);
  }
  return RunMerge(job_, options, data, stages).complete;
}

// The rows are checked first, so the operator is not sent through the tool path dialog for a file
// that cannot be merged.
void TMergeDataDlg::accept() {
  MergeOptions options;
  MergeData data;
  if (!PrepareRows(options, data)) return;
  std::optional<ToolPathRun> toolPath = askToolPath_ ? askToolPath_() : std::nullopt;
  if (!toolPath) return;
  if (Run(options, data, *toolPath)) QDialog::accept();
}

}  // namespace quill
