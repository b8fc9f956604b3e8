// The text editor's "Find" and "Replace" windows: what to look for, what to put in its place, whole
// words, case and direction.  Modeless; the editor does the searching.
#pragma once

#include <QDialog>
#include <string>

#include "project/text_editor_rules.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quill {

class TFindReplaceDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFindReplaceDlg(QWidget* parent = nullptr);

  // Find shows the direction; Replace the replacement and its two buttons.
  void ShowFor(bool replace);
  std::string What() const;
  std::string With() const;
  FindOptions Options() const;

 signals:
  void FindNextClicked();
  void ReplaceClicked();
  void ReplaceAllClicked();

 private:
  QLineEdit* what_;
  QLineEdit* with_;
  QLabel* withLabel_;
  QCheckBox* wholeWord_;
  QCheckBox* matchCase_;
  QWidget* direction_;
  QRadioButton* down_;
  QPushButton* replace_;
  QPushButton* replaceAll_;
  bool replaceMode_ = false;
};

}  // namespace quill
