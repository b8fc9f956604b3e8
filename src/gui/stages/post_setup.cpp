#include "stages/post_setup.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "job/job.h"
#include "nc/machine_keys.h"
#include "nc/machine_list.h"
#include "nc/posts_file.h"
#include "nc/posts_write_rules.h"
#include "project/profile.h"
#include "shell/latin1.h"
#include "ui/ui.h"

namespace quill {

namespace {

// Calls show(control name, field) for every key of the machine table whose control holds a field of
// the model of type Field (a text for the edit boxes, a flag for the check boxes).
template <typename Field, typename Show>
void ForEachControl(Show show) {
  for (const MachineKey& k : MachineKeys()) {
    if (auto field = std::get_if<Field MachineSetup::*>(&k.setup); field && k.control) show(k.control, *field);
  }
}

const char* ArcTypeCaptions[] = {"Distance From Tool to Arc Center", "Distance from Arc Center to Tool",
                                 "Un-Signed Incremental Distance",   "Absolute Arc Center Coordinates",
                                 "Radius of Arc 'R' Values",         "Use Linear Moves for Arcs"};

QComboBox* ItemBox(QWidget* parent, const char* const* items, size_t count) {
  auto* box = new QComboBox(parent);
  for (size_t i = 0; i < count; ++i) box->addItem(items[i]);
  return box;
}

void CheckId(QButtonGroup* group, int id) {
  if (QAbstractButton* b = group->button(id)) b->setChecked(true);
}

}  // namespace

TPostSetForm::TPostSetForm(Job& job, QWidget* parent) : QDialog(parent), job_(job) {
  setObjectName("TPostSetForm");
  setWindowTitle("NC-Code Generator Setup");
  pages_ = new QTabWidget(this);
  pages_->addTab(FormatPage(), "&Format");
  pages_->addTab(CodesPage(), "-&G- Codes");
  pages_->addTab(FeedPage(), "F&eed Format");
  pages_->addTab(RotaryPage(), "&Rotary Cutting");
  pages_->addTab(ZAxisPage(), "-&Z- Axis");

  mname_ = new QComboBox(this);
  mname_->setEditable(true);
  mname_->setInsertPolicy(QComboBox::NoInsert);
  auto* help = new QPushButton("&Help", this);
  auto* cancel = new QPushButton("Cancel", this);
  auto* ok = new QPushButton("OK", this);
  auto* print = new QPushButton("Print", this);
  ok->setDefault(true);
  mname_->setMinimumWidth(220);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel("Machine Name", this));
  bottom->addWidget(mname_, 1);
  bottom->addWidget(help);
  bottom->addWidget(cancel);
  bottom->addWidget(ok);
  bottom->addWidget(print);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(bottom);

  connect(ok, &QPushButton::clicked, this, &TPostSetForm::accept);
  connect(cancel, &QPushButton::clicked, this, &TPostSetForm::reject);
  connect(print, &QPushButton::clicked, this, &TPostSetForm::Print);
  connect(help, &QPushButton::clicked, this, [this] {
    if (help_) help_("NC_Code_Generator_Setup");
  });
  connect(mname_->lineEdit(), &QLineEdit::editingFinished, this, &TPostSetForm::MachineNameLeft);
  connect(mname_, &QComboBox::activated, this, [this] { MachineNameLeft(); });
  connect(machType_, &QComboBox::currentIndexChanged, this, [this] { UpdateEnables(); });
  connect(checks_["CB3axis"], &QCheckBox::clicked, this, [this] { UpdateEnables(); });
  lformat_->setCurrentIndex(0);
  LoadMachines();
}

QCheckBox* TPostSetForm::AddCheck(const std::string& name, const char* caption) {
  auto* box = new QCheckBox(caption, this);
  checks_[name] = box;
  return box;
}

QLineEdit* TPostSetForm::AddEdit(const std::string& name) {
  auto* edit = new QLineEdit(this);
  edits_[name] = edit;
  return edit;
}

QCheckBox* TPostSetForm::Check(const std::string& name) const {
  return checks_.at(name);
}

QLineEdit* TPostSetForm::Edit(const std::string& name) const {
  return edits_.at(name);
}

QGroupBox* TPostSetForm::FormatGroup(const char* title, QButtonGroup*& group) {
  auto* box = new QGroupBox(title, this);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  const char* captions[] = {"Decimal", "Leading Zeros", "Trailing Zeros", "Leading && Trailing"};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QRadioButton(captions[i], box);
    group->addButton(b, i + 1);
    layout->addWidget(b);
  }
  return box;
}

QWidget* TPostSetForm::FormatPage() {
  auto* page = new QWidget(this);
  machType_ = ItemBox(page, MachineTypeItems, std::size(MachineTypeItems));
  coordinate_ = new QGroupBox("Coordinate Mode", page);
  absInc_ = new QButtonGroup(coordinate_);
  auto* coordLayout = new QHBoxLayout(coordinate_);
  for (int id : {1, 2}) {
    auto* b = new QRadioButton(id == 1 ? "Abs" : "Incremental", coordinate_);
    absInc_->addButton(b, id);
    coordLayout->addWidget(b);
  }
  QGroupBox* format = FormatGroup("Format", formats_);
  lformat_ = ItemBox(page, LatheXFormatItems, std::size(LatheXFormatItems));
  auto* form = new QFormLayout(page);
  form->addRow("Machine Type", machType_);
  form->addRow(coordinate_);
  form->addRow(format);
  form->addRow("Digits Left", AddEdit("Digl"));
  form->addRow("Digits Right", AddEdit("Digr"));
  form->addRow("Lathe -X- Format", lformat_);
  form->addRow(AddCheck("BinvX", "Invert -X-"));
  form->addRow(AddCheck("BinvY", "Invert -Y-"));
  formatControls_.insert(formatControls_.end(), {format, edits_["Digl"], edits_["Digr"]});
  return page;
}

QWidget* TPostSetForm::CodesPage() {
  auto* page = new QWidget(this);
  auto* arcs = new QGroupBox("Arc Center Type", page);
  auto* arcLayout = new QVBoxLayout(arcs);
  arcTypes_ = new QButtonGroup(arcs);
  for (int i = 0; i < 6; ++i) {
    auto* b = new QRadioButton(ArcTypeCaptions[i], arcs);
    arcTypes_->addButton(b, i + 1);
    arcLayout->addWidget(b);
  }
  auto* special = new QGroupBox("Special", page);
  auto* specialLayout = new QVBoxLayout(special);
  specialLayout->addWidget(AddCheck("Bred", "Output Redundant Positions"));
  specialLayout->addWidget(AddCheck("BmodalG", "-G- Codes are Modal"));
  auto* sequence = new QGroupBox("Sequence Numbers", page);
  auto* seqLayout = new QFormLayout(sequence);
  seqLayout->addRow(AddCheck("Bseq", "Output Sequence Numbers"));
  seqLayout->addRow("Start #", AddEdit("StartSeq"));
  auto* form = new QFormLayout(page);
  form->addRow(arcs);
  form->addRow(special);
  form->addRow("Rapid Code", AddEdit("RapCode"));
  form->addRow("Linear Code", AddEdit("Lincode"));
  form->addRow("Clockwise", AddEdit("CWcode"));
  form->addRow("Counter Clockwise", AddEdit("CCwcode"));
  form->addRow(sequence);
  formatControls_.insert(formatControls_.end(),
                         {arcs, edits_["RapCode"], edits_["Lincode"], edits_["CWcode"], edits_["CCwcode"], sequence});
  return page;
}

QWidget* TPostSetForm::FeedPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  form->addRow(FormatGroup("Feed Format", feedFormats_));
  form->addRow("Feed Digits Left", AddEdit("EFdigl"));
  form->addRow("Feed Digits Right", AddEdit("FeedDigits"));
  formatControls_.push_back(edits_["FeedDigits"]);
  return page;
}

QWidget* TPostSetForm::RotaryPage() {
  auto* page = new QWidget(this);
  ctype_ = ItemBox(page, CutTypeItems, std::size(CutTypeItems));
  auto* form = new QFormLayout(page);
  form->addRow("Cutting Method", ctype_);
  form->addRow("Rotary Digits Right", AddEdit("Rdigr"));
  form->addRow("Rotary Axis Register", AddEdit("Rotreg"));
  form->addRow("Linear Axis Register", AddEdit("Linreg"));
  form->addRow("Cut Depth Axis Register", AddEdit("DeepReg"));
  form->addRow("Codes To Enter Rotary", AddEdit("Rotenter"));
  form->addRow("Codes To Leave Rotary", AddEdit("Rotleave"));
  form->addRow("Register Output Order", AddEdit("Rotorder"));
  form->addRow(AddCheck("Brotrect", "Cut in Rectangular Coordinates"));
  form->addRow(AddCheck("CBfeeddpm", "Feed In Degrees Per Minute"));
  return page;
}

QWidget* TPostSetForm::ZAxisPage() {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  form->addRow(AddCheck("CB3axis", "Machine Has Programmable -Z- Axis"));
  form->addRow("Codes For Spindle -UP-", AddEdit("EdZupstr"));
  form->addRow("Codes For Spindle -Down-", AddEdit("EdZdnstr"));
  return page;
}

MachineSetup TPostSetForm::ReadControls() const {
  MachineSetup s;
  s.machineType = machType_->currentIndex();
  s.absolute = absInc_->checkedId() == 1;
  s.format = std::max(1, formats_->checkedId());
  s.feedFormat = std::max(1, feedFormats_->checkedId());
  s.latheXFormat = lformat_->currentIndex();
  s.arcType = std::max(0, arcTypes_->checkedId());
  s.cutType = ctype_->currentIndex();
  ForEachControl<std::string>([&](const char* name, auto field) { s.*field = Latin1(edits_.at(name)->text()); });
  ForEachControl<bool>([&](const char* name, auto field) { s.*field = checks_.at(name)->isChecked(); });
  return s;
}

void TPostSetForm::ShowSetup(const MachineSetup& s) {
  machType_->setCurrentIndex(s.machineType);
  CheckId(absInc_, s.absolute ? 1 : 2);
  CheckId(formats_, s.format);
  CheckId(feedFormats_, s.feedFormat);
  lformat_->setCurrentIndex(s.latheXFormat);
  CheckId(arcTypes_, s.arcType);
  ctype_->setCurrentIndex(s.cutType);
  ForEachControl<std::string>([&](const char* name, auto field) { edits_.at(name)->setText(Latin1(s.*field)); });
  ForEachControl<bool>([&](const char* name, auto field) { checks_.at(name)->setChecked(s.*field); });
  UpdateEnables();
}

void TPostSetForm::UpdateEnables() {
  SetupEnables e = SetupEnablesFor(ReadControls());
  coordinate_->setEnabled(e.coordinateMode);
  coordinate_->setTitle(Latin1(e.coordinateCaption));
  absInc_->button(1)->setText(Latin1(e.absCaption));
  absInc_->button(2)->setText(Latin1(e.incCaption));
  checks_["Bred"]->setText(Latin1(e.redundantCaption));
  checks_["BmodalG"]->setEnabled(e.modalG);
  for (QWidget* w : formatControls_) w->setEnabled(e.formatControls);
  lformat_->setEnabled(e.latheXFormat);
  edits_["EdZupstr"]->setEnabled(e.spindleCodes);
  edits_["EdZdnstr"]->setEnabled(e.spindleCodes);
}

void TPostSetForm::LoadMachine(const std::string& name) {
  ShowSetup(LoadMachineSetup(ProfileFile(PostsFileToRead(job_.paths)), name));
}

void TPostSetForm::LoadMachines() {
  mname_->clear();
  for (const std::string& m : SortedMachineNames(ReadMachineList(ProfileFile(PostsFileToRead(job_.paths))))) {
    mname_->addItem(Latin1(m));
  }
  // With no machine set up the box shows its design text, and OK saves a machine of that name.
  if (mname_->count() == 0) mname_->setEditText("Mname");
  LoadMachine(Latin1(mname_->currentText()));
}

std::vector<std::string> TPostSetForm::MachineList() const {
  std::vector<std::string> list;
  for (int i = 0; i < mname_->count(); ++i) list.push_back(Latin1(mname_->itemText(i)));
  return list;
}

bool TPostSetForm::AddTypedMachine() {
  std::string name = Latin1(mname_->currentText());
  if (name.empty() || FindMachine(MachineList(), name) >= 0) return false;
  std::vector<std::string> list = MachineList();
  list.push_back(name);
  int at = FindMachine(SortedMachineNames(list), name);
  mname_->insertItem(at, Latin1(name));
  mname_->setCurrentIndex(at);
  return true;
}

void TPostSetForm::MachineNameLeft() {
  // A new name takes the values shown as its template; a listed one is loaded.
  if (!AddTypedMachine()) {
    int at = FindMachine(MachineList(), Latin1(mname_->currentText()));
    if (at >= 0) {
      mname_->setCurrentIndex(at);
      LoadMachine(Latin1(mname_->itemText(at)));
    }
  }
  UpdateEnables();
}

void TPostSetForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The file may have changed since the last showing (macros, another machine saved).
  std::string shown = Latin1(mname_->currentText());
  LoadMachines();
  int at = FindMachine(MachineList(), shown);
  if (at >= 0) {
    mname_->setCurrentIndex(at);
    LoadMachine(Latin1(mname_->itemText(at)));
  }
}

void TPostSetForm::accept() {
  AddTypedMachine();
  std::string name = Latin1(mname_->currentText());
  if (name.empty()) {
    job_.ui.Warn("Please Enter a Machine Name");
    return;
  }
  MachineSetup setup = ReadControls();
  std::vector<std::string> list = MachineList();
  if (!WritePostsFile(job_, [&](ProfileFile& posts) { return SaveMachineSetup(posts, name, setup, list); })) return;
  QDialog::accept();
}

std::vector<std::string> TPostSetForm::ListingLines() const {
  return MachineListingLines(Latin1(mname_->currentText()), ReadControls());
}

void TPostSetForm::PrintListing(QPrinter& printer) const {
  QPainter painter(&printer);
  QFont font("Courier New", 10);
  font.setBold(true);
  font.setStyleHint(QFont::TypeWriter);
  painter.setFont(font);
  const int step = painter.fontMetrics().lineSpacing();
  const QRect page = painter.viewport();
  int y = step;
  for (const std::string& line : ListingLines()) {
    if (y > page.height() - step) {
      printer.newPage();
      y = step;
    }
    painter.drawText(0, y, Latin1(line));
    y += step;
  }
}

void TPostSetForm::Print() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted) PrintListing(printer);
}

}  // namespace quill
