// "Select Scanner": the scanners SANE finds, the resolution and the scan mode.  The choice is kept in
// QUILLMAR.INI, so "&Scan" goes straight to it next time.
#pragma once

#include <QDialog>
#include <vector>

#include "raster/scanner.h"

class QComboBox;
class QListWidget;
class QSpinBox;

namespace quill {

class TScannerDlg : public QDialog {
  Q_OBJECT

 public:
  TScannerDlg(Ui& ui, QWidget* parent = nullptr);

  // Lists the scanners and shows the window; on OK settings hold the choice.  False when cancelled or
  // when there is no scanner to choose (which was said).
  bool Ask(ScanSettings& settings);
  QListWidget& Devices() { return *list_; }

 private:
  bool Search(const ScanSettings& settings);

  Ui& ui_;
  QListWidget* list_;
  QSpinBox* resolution_;
  QComboBox* mode_;
  std::vector<ScannerDevice> devices_;
};

}  // namespace quill
