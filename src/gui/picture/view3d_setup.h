// "3D View Setup": the eye point of the 3D view typed in or turned in 5-degree steps, with a preview
// of a box seen from it.
#pragma once

#include <QDialog>

namespace quill {

struct DesktopContext;
class ExprField;
enum class EyeTurn;

class View3DSetupDlg : public QDialog {
  Q_OBJECT

 public:
  explicit View3DSetupDlg(DesktopContext& context, QWidget* parent = nullptr);

  ExprField& EyeField(int axis) { return *fields_[axis]; }
  QWidget& Preview() { return *preview_; }
  void Turn(EyeTurn turn);
  void Default();

 private:
  void ShowEye();
  QWidget* RotationControl();

  DesktopContext& context_;
  ExprField* fields_[3];
  QWidget* preview_;
};

}  // namespace quill
