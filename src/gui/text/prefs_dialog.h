// "QUILLMARK Preferences": the installation's settings on five pages (Directories, Colors, Display,
// Printer, Defaults).  The fields are filled once, when the dialog is made; OK copies them into the
// preferences, Cancel leaves them as typed for the next opening.  The file is written when the program
// closes.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "job/preferences.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quill {

class ExprField;
class Job;

class TPrefsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TPrefsDlg(Job& job, QWidget* parent = nullptr);

  void SetHelp(std::function<void()> help) { help_ = std::move(help); }

  // The colour a swatch shows now ("Artwork Color" ...).
  Color SwatchColor(const std::string& name) const;

 public slots:
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildDirectoriesPage();
  QWidget* BuildColorsPage();
  QWidget* BuildDisplayPage();
  QWidget* BuildPrinterPage();
  QWidget* BuildDefaultsPage();
  QCheckBox* Check(const char* text, bool on);
  QPushButton* Swatch(const char* text, Color color);
  void PaintSwatch(QPushButton* swatch, Color color);
  void StepWidth(int step);

  Job& job_;
  std::function<void()> help_;
  QLineEdit* tapeDir_;
  QButtonGroup* grid_;
  std::map<std::string, QPushButton*> swatches_;
  std::map<QAbstractButton*, Color> colors_;
  std::map<std::string, QCheckBox*> checks_;
  QLineEdit* lineWidth_;
  ExprField* tolerance_;
  QLineEdit* extension_;
};

}  // namespace quill
