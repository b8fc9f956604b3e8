// "NC-Code Generator Setup": a machine's formats, codes, feed format, rotary cutting and Z axis on five
// pages, the machine name box that also adds machines, and the printed listing.
#pragma once

#include <QDialog>

#include "nc/machine_setup.h"
#include "shell/help_contexts.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPainter;
class QPrinter;
class QTabWidget;

namespace quill {

class Job;

class TPostSetForm : public QDialog {
  Q_OBJECT

 public:
  explicit TPostSetForm(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The controls' values as the model holds them, and back.
  MachineSetup ReadControls() const;
  void ShowSetup(const MachineSetup& setup);
  // Reads the machine list and loads the first machine.
  void LoadMachines();
  // Leaving the name box: a new name joins the list with the values shown, a listed one is loaded.
  void MachineNameLeft();
  std::vector<std::string> MachineList() const;
  // The "Print" listing of the machine shown.
  std::vector<std::string> ListingLines() const;
  void PrintListing(QPrinter& printer) const;

  QComboBox* NameBox() const { return mname_; }
  QComboBox* TypeBox() const { return machType_; }
  QTabWidget* Pages() const { return pages_; }
  QGroupBox* CoordinateGroup() const { return coordinate_; }
  QCheckBox* Check(const std::string& name) const;
  QLineEdit* Edit(const std::string& name) const;
  QComboBox* LatheFormatBox() const { return lformat_; }
  QButtonGroup* ArcTypes() const { return arcTypes_; }
  QButtonGroup* Formats() const { return formats_; }

 public slots:
  void accept() override;
  void Print();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* FormatPage();
  QWidget* CodesPage();
  QWidget* FeedPage();
  QWidget* RotaryPage();
  QWidget* ZAxisPage();
  QCheckBox* AddCheck(const std::string& name, const char* caption);
  QLineEdit* AddEdit(const std::string& name);
  QGroupBox* FormatGroup(const char* title, QButtonGroup*& group);
  void LoadMachine(const std::string& name);
  // A typed name that is not listed joins the list in its sorted place; false when nothing was added.
  bool AddTypedMachine();
  void UpdateEnables();

  Job& job_;
  HelpPageOpener help_;
  QTabWidget* pages_;
  QComboBox* mname_;
  QComboBox* machType_;
  QComboBox* lformat_;
  QComboBox* ctype_;
  QGroupBox* coordinate_;
  QButtonGroup* absInc_;
  QButtonGroup* formats_;
  QButtonGroup* feedFormats_;
  QButtonGroup* arcTypes_;
  std::map<std::string, QCheckBox*> checks_;
  std::map<std::string, QLineEdit*> edits_;
  std::vector<QWidget*> formatControls_;
};

}  // namespace quill
