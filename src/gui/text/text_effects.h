// "Text Effects": the per-character heights along each line as a slope, a peak or valley, or drop
// capitals, chosen by the page that is shown when OK is pressed.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QTabWidget;

namespace quill {

class ExprField;
class Job;

class TTextEffectsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TTextEffectsDlg(Job& job, QWidget* parent = nullptr);

  void SetHelp(std::function<void()> help) { help_ = std::move(help); }

 public slots:
  // Applies the shown page's effect to the per-character table.
  void accept() override;

 private:
  QWidget* Page(const char* first, ExprField*& firstField, const char* second, ExprField*& secondField);
  QWidget* DropCapsPage();
  ExprField* HeightField(const char* name);
  double Value(ExprField* field) const;

  Job& job_;
  std::function<void()> help_;
  QTabWidget* pages_;
  ExprField* slopeStart_;
  ExprField* slopeEnd_;
  ExprField* peakEnds_;
  ExprField* peakCentre_;
  ExprField* dropText_;
  ExprField* dropCapital_;
  QCheckBox* firstWordOnly_;
  QCheckBox* allWords_;
};

}  // namespace quill
