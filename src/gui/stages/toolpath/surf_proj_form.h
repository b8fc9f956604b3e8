// "Surface Projections": the plane, sphere, cylinder or cone the tool path follows with "Project on
// Surface".  The nine fields change their captions with the surface (a cone whose two centres meet
// stands upright and asks its two heights); the cone's "Calc Radius #2" works out radius #2 from
// "Angle".  The surface type, the tool's side and normal and the nine fields are the project's; the
// projection tolerance stays in the window while the program runs.
#pragma once

#include <QDialog>
#include <array>

#include "shell/help_contexts.h"
#include "toolpath/surface/prepared_surface.h"
#include "toolpath/surface/surface_projector.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quill {

class ExprField;
class Job;

class TSurfProjForm : public QDialog {
  Q_OBJECT

 public:
  explicit TSurfProjForm(Job& job, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }
  // "Projection Tolerance: " of the last OK.
  double Tolerance() const { return tolerance_; }

  // Fields 1 to 9 (index 0 to 8) with their labels.
  ExprField* Field(int i) const { return fields_.at(static_cast<size_t>(i)); }
  QLabel* Caption(int i) const { return captions_.at(static_cast<size_t>(i)); }
  ExprField* ToleranceField() const { return tolerance_field_; }
  ExprField* AngleField() const { return angle_; }
  QPushButton* CalcButton() const { return calc_; }
  QRadioButton* TypeButton(SurfaceType type) const;
  QGroupBox* PlaceBox() const { return place_; }
  QGroupBox* NormalBox() const { return normal_; }

 public slots:
  void accept() override;
  // "Calc Radius #2".
  void CalcRadius2Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* Choice(const char* title, QButtonGroup*& group, std::initializer_list<const char*> captions);
  void BuildLayout();
  SurfaceType Type() const;
  // The fields as numbers without a word to the operator (a field being typed may not be one yet).
  SurfaceInput QuietInput() const;
  void Relabel();
  // The window's values into the project's keys.
  void Store();

  Job& job_;
  HelpPageOpener help_;
  double tolerance_ = DefaultProjectionTolerance;
  std::array<ExprField*, 9> fields_{};
  std::array<QLabel*, 9> captions_{};
  ExprField* tolerance_field_;
  ExprField* angle_;
  QLabel* angleCaption_;
  QPushButton* calc_;
  QButtonGroup* type_ = nullptr;
  QButtonGroup* side_ = nullptr;
  QButtonGroup* along_ = nullptr;
  QGroupBox* place_ = nullptr;
  QGroupBox* normal_ = nullptr;
  QGroupBox* types_ = nullptr;
};

}  // namespace quill
