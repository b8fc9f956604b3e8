// "Insert Special Character": the characters 32 to 255 in a grid of 7 rows and 32 columns, shown in
// the chosen TrueType face; the picked one goes into the job's special-character buffer on OK.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTableWidget;

namespace quill {

class Job;

class TSpecialCharDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSpecialCharDlg(Job& job, QWidget* parent = nullptr);

  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  // The code of the cell at row r and column c.
  static int CodeAt(int row, int column) { return 32 * row + column + 32; }
  int SelectedCode() const;

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowSelected();

  Job& job_;
  std::function<void()> help_;
  QTableWidget* grid_;
  QLabel* preview_;
  QLabel* code_;
};

}  // namespace quill
