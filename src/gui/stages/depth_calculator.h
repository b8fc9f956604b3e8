// "-Z- Depth Calculator": the cutting depth that gives the desired cut width with the tool path
// dialog's cone or ball tool.
#pragma once

#include <QDialog>

#include "shell/help_contexts.h"
#include "toolpath/depth_calculator.h"

class QLabel;
class QPushButton;

namespace quill {

class ExprField;
class Ui;

class TZDepthCalc : public QDialog {
  Q_OBJECT

 public:
  explicit TZDepthCalc(Ui& ui, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  // Presets the tool: a cone with its tip angle in degrees, or a ball with its diameter.
  void SetTool(DepthTool tool, double toolValue);

  // The depth shown in "Results", with 4 decimals.
  std::string ResultText() const;

  ExprField* WidthField() const { return width_; }
  QPushButton* CalculateButton() const { return calculate_; }
  QPushButton* OkButton() const { return ok_; }
  QLabel* ToolLabel() const { return tool_label_; }

 public slots:
  // False when the inputs have no depth (the reason was shown; the result stays as it was).
  bool CalculateDepth();
  // OK hands the result over only when it could be calculated.
  void accept() override;

 private:
  Ui& ui_;
  HelpPageOpener help_;
  DepthTool tool_ = DepthTool::Cone;
  double toolValue_ = 60;
  ExprField* width_;
  QLabel* tool_label_;
  QLabel* result_;
  QPushButton* calculate_;
  QPushButton* ok_;
};

}  // namespace quill
