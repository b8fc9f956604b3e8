#include "text/merge_preview.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/latin1.h"
#include "toolpath/merge/merge_rows.h"

namespace quill {

namespace {

QString JoinedLines(const std::vector<std::string>& text) {
  QStringList lines;
  for (const std::string& line : text) lines << Latin1(line);
  return lines.join(" / ");
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  return item;
}

}  // namespace

MergePreview::MergePreview(QWidget* parent) : QWidget(parent) {
  rows_ = new QTableWidget(0, 3, this);
  rows_->setObjectName("rows");
  rows_->setHorizontalHeaderLabels({"Row", "Text", "NC File"});
  rows_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  rows_->verticalHeader()->hide();
  problems_ = new QListWidget(this);
  problems_->setObjectName("problems");
  problems_->setMaximumHeight(90);
  summary_ = new QLabel(this);
  summary_->setObjectName("summary");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(summary_);
  layout->addWidget(rows_, 1);
  layout->addWidget(new QLabel("Rows That Will Not Be Engraved:", this));
  layout->addWidget(problems_);
}

void MergePreview::Clear() {
  rows_->setRowCount(0);
  problems_->clear();
  summary_->clear();
}

void MergePreview::Show(const MergeData& data, bool fileNames) {
  Clear();
  const int listed = static_cast<int>(std::min<size_t>(data.rows.size(), ListedRows));
  rows_->setRowCount(listed);
  rows_->setColumnHidden(2, !fileNames);
  for (int i = 0; i < listed; ++i) {
    const MergeRow& row = data.rows[static_cast<size_t>(i)];
    rows_->setItem(i, 0, Cell(QString::number(row.number)));
    rows_->setItem(i, 1, Cell(JoinedLines(row.text)));
    rows_->setItem(i, 2, Cell(QString::fromStdString(row.fileStem)));  // a file name, in UTF-8
  }
  rows_->resizeColumnToContents(0);
  for (const RowProblem& p : data.problems) problems_->addItem(QString::fromStdString(p.Text()));
  QString summary = QString("%1 of %2 rows will be engraved").arg(data.rows.size()).arg(data.dataRows);
  if (!data.problems.empty()) summary += QString(", %1 will not").arg(data.problems.size());
  if (listed < static_cast<int>(data.rows.size())) summary += QString(" (the first %1 are listed)").arg(listed);
  summary_->setText(summary);
}

}  // namespace quill
