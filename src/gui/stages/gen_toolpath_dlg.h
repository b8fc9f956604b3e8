// "Generate Tool Path": the tool, depths, feeds and sources of a tool path run, with the rules that
// enable its fields, and the run itself on OK.
#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "shell/help_contexts.h"
#include "toolpath/toolpath_options.h"
#include "toolpath/toolpath_pass.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quill {

class DesktopPlugins;
class ExprField;
class Job;
class TZDepthCalc;

class TGenTpathDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TGenTpathDlg(Job& job, QWidget* parent = nullptr);
  ~TGenTpathDlg() override;

  void SetHelpOpener(HelpPageOpener opener);
  // What "3D Projections" opens (the surface projection dialog).
  void SetProjectionOpener(std::function<void()> opener) { projections_ = std::move(opener); }

  // The windows behind carving, the bitmap scan and projection; without them the program's own
  // carving and projection run and the scan is refused.
  void SetPlugins(std::unique_ptr<DesktopPlugins> plugins);

  // Serial mode: OK only collects the settings; the serial-number run generates the tool paths.
  void SetSerialMode(bool on) { serialMode_ = on; }
  // The dialog's choices that the project does not keep.
  ToolPathOptions Options() const;
  // The plug-ins of the next run (good until the next call).
  ToolPathPlugins RunPlugins();

  // The "Processing Line : " counter.
  void ShowCounter(long value);

  // Fields by their project key (ZCLEAR, ZDEPTH, CFEED, ZFEED, TOOLDIA, TLCR, ROTRAD, ZPERPASS, ZTOP).
  ExprField* Field(const std::string& key) const { return fields_.at(key); }
  QLabel* AngleLabel() const { return angleLabel_; }
  QComboBox* ShapeBox() const { return shape_; }
  QComboBox* SourceBox() const { return source_; }
  QCheckBox* MultipleBox() const { return multiple_; }
  QCheckBox* CarveBox() const { return carve_; }
  QRadioButton* ConstantButton() const { return constant_; }
  QRadioButton* ProjectButton() const { return project_; }
  QPushButton* CalculatorButton() const { return calculator_; }
  QPushButton* ProjectionsButton() const { return projectionsButton_; }
  QLabel* CounterLabel() const { return counter_; }
  TZDepthCalc* Calculator() const { return calc_; }

 public slots:
  void accept() override;
  // "-Z- &Depth Calculator": its result becomes the cutting depth.
  void OpenCalculator();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  ExprField* AddField(const std::string& key, std::string* setting);
  void BuildLayout();
  void Connect();
  void ToolShapeChosen();
  void UpdateEnables();
  void ReloadFields();

  Job& job_;
  std::map<std::string, ExprField*> fields_;
  QLabel* angleLabel_;
  QComboBox* shape_;
  QComboBox* source_;
  QCheckBox* multiple_;
  QCheckBox* carve_;
  QRadioButton* constant_;
  QRadioButton* project_;
  QPushButton* calculator_;
  QPushButton* projectionsButton_;
  QLabel* counter_;
  TZDepthCalc* calc_;
  HelpPageOpener help_;
  std::function<void()> projections_;
  std::unique_ptr<DesktopPlugins> plugins_;
  bool serialMode_ = false;
};

}  // namespace quill
