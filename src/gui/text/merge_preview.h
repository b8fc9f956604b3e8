// The Merge Data window's preview: the rows that will be engraved (their spreadsheet row, the text and,
// with one NC file per row, the file's name) and the rows that will not, each with its row number and
// what is wrong with it.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QTableWidget;

namespace quill {

struct MergeData;

class MergePreview : public QWidget {
  Q_OBJECT

 public:
  // The most rows the table lists; the summary counts them all.
  static constexpr int ListedRows = 2000;

  explicit MergePreview(QWidget* parent = nullptr);

  void Show(const MergeData& data, bool fileNames);
  void Clear();

  QTableWidget* Rows() const { return rows_; }
  QListWidget* Problems() const { return problems_; }
  QLabel* Summary() const { return summary_; }

 private:
  QTableWidget* rows_;
  QListWidget* problems_;
  QLabel* summary_;
};

}  // namespace quill
