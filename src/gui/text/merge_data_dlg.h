// "Merge Data": the serial-number run generalised to the rows of a spreadsheet.  The editor's text
// holds fields ({Name}, {2}) that take their values from the columns of a CSV file; OK checks the
// rows, lets the operator check the tool in the tool path dialog, then engraves the rows one after the
// other into the cutter-location file with the NC code between rows, or one NC file per row, or as an
// array of tags on one plate.  The preview lists the rows and, by row number, those that cannot be
// engraved.  Progress and Cancel go through the program's progress window.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "nc/nc_generator.h"
#include "stages/toolpath/toolpath_plugins.h"
#include "toolpath/merge/merge_options.h"
#include "toolpath/serial_numbers.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace quill {

class ExprField;
class Job;
class MergePreview;
struct MergeData;

class TMergeDataDlg : public QDialog {
  Q_OBJECT

 public:
  // The tool path dialog in serial mode: its choices after OK, nothing after Cancel.
  using ToolPathAsker = std::function<std::optional<ToolPathRun>()>;
  // A file chooser ("" after Cancel): the data file, or (folder true) the folder of the NC files.
  using Chooser = std::function<std::string(QWidget* parent, bool folder)>;

  explicit TMergeDataDlg(Job& job, QWidget* parent = nullptr);

  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  void SetToolPathAsker(ToolPathAsker ask) { askToolPath_ = std::move(ask); }
  void SetTextPathGenerator(TextPathGenerator generate) { generate_ = std::move(generate); }
  void SetChooser(Chooser choose) { choose_ = std::move(choose); }

  // The window's fields as the merge's options.
  MergeOptions Options() const;
  MergePreview* Preview() const { return preview_; }

 public slots:
  // "&Preview": the rows read and checked without cutting anything; false when the file or the
  // options cannot be used (the operator was told why).
  bool ShowPreview();
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildFileRow();
  QGroupBox* BuildPerRow();
  QGroupBox* BuildArray();
  bool PrepareRows(MergeOptions& options, MergeData& data);
  bool Run(const MergeOptions& options, const MergeData& data, const ToolPathRun& toolPath);
  std::string NcFilesIn() const;

  Job& job_;
  NcGenerator generator_;
  std::function<void()> help_;
  ToolPathAsker askToolPath_;
  TextPathGenerator generate_ = GenerateSerialTextPath;
  Chooser choose_;
  QLineEdit* dataFile_;
  QComboBox* header_;
  QComboBox* separator_;
  QPlainTextEdit* between_;
  QCheckBox* comment_;
  QGroupBox* perRow_;
  QLineEdit* column_;
  QLineEdit* folder_;
  QComboBox* machine_;
  QGroupBox* array_;
  QSpinBox* columns_;
  QSpinBox* rows_;
  ExprField* pitchX_;
  ExprField* pitchY_;
  MergePreview* preview_;
};

}  // namespace quill
