// "DXF Import Status": shown, not modal, for the whole of a DXF import and left open afterwards: the
// file's name, its DXF version, the current operation, the diagnostic messages and the statistics.
// "&Close" is enabled once the import has ended.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <array>

#include "artwork/dxf_status.h"
#include "shell/help_contexts.h"

class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;

namespace quill {

class DxfStatusForm : public QWidget, public DxfStatus {
  Q_OBJECT

 public:
  explicit DxfStatusForm(QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // DxfStatus: each import starts afresh.
  void Begin(const std::string& fileName) override;
  void Version(const std::string& shown) override;
  void Operation(const std::string& text) override;
  void Message(const std::string& text) override;
  void Counter(DxfCounter which, long value) override;
  void Finished() override;

  // What the window shows, for the tests: a label's text by its caption ("Lines:"), the list's lines.
  QString Shown(const QString& caption) const;
  QStringList Messages() const;
  QPushButton& CloseButton() { return *close_; }

 private:
  QLabel* AddValue(QGridLayout* grid, int row, int column, const char* caption, const char* value);
  // Counters and operations come by the thousand on a large drawing: the labels follow a few times a
  // second, and at the end.
  void Show(bool now);

  HelpPageOpener help_;
  QLabel* file_;
  QLabel* version_;
  QLabel* operation_;
  QListWidget* messages_;
  std::array<QLabel*, DxfCounterCount> counterLabels_{};
  std::array<long, DxfCounterCount> counters_{};
  std::string pendingOperation_;
  QElapsedTimer sinceShown_;
  QPushButton* close_;
};

}  // namespace quill
