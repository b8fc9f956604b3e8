#include "artwork/dxf_status_form.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "shell/latin1.h"

namespace quill {

namespace {

constexpr int kShowEveryMs = 200;

struct CounterCaption {
  DxfCounter which;
  const char* caption;
};

constexpr CounterCaption kCounters[] = {
    {DxfCounter::Points, "Points :"}, {DxfCounter::Lines, "Lines:"},         {DxfCounter::Arcs, "Arcs:"},
    {DxfCounter::Text, "Text:"},      {DxfCounter::Faces, "3D Faces:"},      {DxfCounter::PolyLines, "PolyLines:"},
    {DxfCounter::Splines, "Splines:"},
};

// Kinds the import reads no figures for.
constexpr const char* kNotCounted[] = {"Dimensions: ", "Blocks:", "Ellipse's:"};

}  // namespace

DxfStatusForm::DxfStatusForm(QWidget* parent)
    : QWidget(parent, Qt::Window),
      file_(new QLabel(this)),
      version_(new QLabel("Unknown", this)),
      operation_(new QLabel(this)),
      messages_(new QListWidget(this)),
      close_(new QPushButton("&Close", this)) {
  setObjectName("TDxfStatusForm");
  setWindowTitle("DXF Import Status");
  messages_->setObjectName("Diagnostic Messages");
  auto* head = new QGridLayout;
  head->addWidget(new QLabel("File Name :", this), 0, 0);
  head->addWidget(file_, 0, 1);
  head->addWidget(new QLabel("DXF Version :", this), 1, 0);
  head->addWidget(version_, 1, 1);
  head->addWidget(new QLabel("Current Operation: ", this), 2, 0);
  head->addWidget(operation_, 2, 1);
  head->setColumnStretch(1, 1);

  auto* statistics = new QGroupBox("Import Statistics", this);
  auto* grid = new QGridLayout(statistics);
  int row = 0;
  for (const CounterCaption& c : kCounters) {
    counterLabels_[static_cast<int>(c.which)] = AddValue(grid, row % 5, row / 5, c.caption, "0");
    ++row;
  }
  for (const char* caption : kNotCounted) {
    AddValue(grid, row % 5, row / 5, caption, "N/A");
    ++row;
  }

  auto* list = new QGroupBox("Diagnostic Messages", this);
  auto* listColumn = new QVBoxLayout(list);
  listColumn->addWidget(messages_);

  auto* column = new QVBoxLayout(this);
  column->addLayout(head);
  column->addWidget(list, 1);
  column->addWidget(statistics);
  column->addWidget(close_, 0, Qt::AlignRight);
  close_->setEnabled(false);
  connect(close_, &QPushButton::clicked, this, &QWidget::close);
  connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
    if (help_) help_("DXF_Import_Status");
  });
  resize(460, 420);
}

QLabel* DxfStatusForm::AddValue(QGridLayout* grid, int row, int column, const char* caption, const char* value) {
  auto* label = new QLabel(caption, this);
  auto* shown = new QLabel(value, this);
  shown->setObjectName(caption);
  grid->addWidget(label, row, column * 2);
  grid->addWidget(shown, row, column * 2 + 1);
  return shown;
}

void DxfStatusForm::Begin(const std::string& fileName) {
  file_->setText(Latin1(fileName));
  version_->setText("Unknown");
  operation_->clear();
  pendingOperation_.clear();
  messages_->clear();
  counters_.fill(0);
  close_->setEnabled(false);
  Show(true);
  show();
  raise();
  QApplication::processEvents();
}

void DxfStatusForm::Version(const std::string& shown) {
  version_->setText(Latin1(shown));
}

void DxfStatusForm::Operation(const std::string& text) {
  pendingOperation_ = text;
  Show(false);
}

// Each text is listed once: a drawing of many curves says "Spline Converted to Lines/Arcs" once.
void DxfStatusForm::Message(const std::string& text) {
  QString line = Latin1(text);
  if (!messages_->findItems(line, Qt::MatchExactly).isEmpty()) return;
  messages_->addItem(line);
  messages_->scrollToBottom();
}

void DxfStatusForm::Counter(DxfCounter which, long value) {
  counters_[static_cast<int>(which)] = value;
  Show(false);
}

void DxfStatusForm::Finished() {
  Show(true);
  close_->setEnabled(true);
}

void DxfStatusForm::Show(bool now) {
  if (!now && sinceShown_.isValid() && sinceShown_.elapsed() < kShowEveryMs) return;
  sinceShown_.start();
  operation_->setText(Latin1(pendingOperation_));
  for (int i = 0; i < DxfCounterCount; ++i) counterLabels_[i]->setText(QString::number(counters_[i]));
}

QString DxfStatusForm::Shown(const QString& caption) const {
  if (caption == "File Name :") return file_->text();
  if (caption == "DXF Version :") return version_->text();
  if (caption == "Current Operation: ") return operation_->text();
  auto* label = findChild<QLabel*>(caption);
  return label ? label->text() : QString();
}

QStringList DxfStatusForm::Messages() const {
  QStringList lines;
  for (int i = 0; i < messages_->count(); ++i) lines << messages_->item(i)->text();
  return lines;
}

}  // namespace quill
