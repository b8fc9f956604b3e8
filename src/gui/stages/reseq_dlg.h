// "RE/UN-Sequence Block Numbers": the options of renumbering the NC editor's blocks.  Created once, so
// it keeps its values between uses.
#pragma once

#include <QDialog>
#include <optional>

#include "nc/resequence.h"

class QCheckBox;
class QLineEdit;

namespace quill {

class Ui;

class TRESEQDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TRESEQDlg(Ui& ui, QWidget* parent = nullptr);

  // The options as the fields stand; nothing (after the number message) when a number field is not a
  // whole number.
  std::optional<ResequenceOptions> Options() const;

  QLineEdit* Edit(const std::string& name) const;   // snum, nincr, maxdig, skpchrs
  QCheckBox* Check(const std::string& name) const;  // unseq, lzeros, Oblocks

 public slots:
  // OK closes only with options that can be used.
  void accept() override;

 private:
  void UpdateEnables();

  Ui& ui_;
  std::map<std::string, QLineEdit*> edits_;
  std::map<std::string, QCheckBox*> checks_;
};

}  // namespace quill
