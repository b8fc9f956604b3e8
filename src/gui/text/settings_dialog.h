// "QUILLMARK SETTINGS": the engraving settings on four pages, General, Font, Curves and Spacing.  The
// dialog is modeless and its controls are the settings themselves: Cancel only hides it, OK also marks
// the project modified and takes over the font-curve tolerance.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "job/settings_checks.h"
#include "text/settings_dialog_binder.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quill {

class CharTableModel;
class CurvePointModel;
class ExprField;
class Job;
class SettingsTable;

class TSettingsDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TSettingsDlg(Job& job, QWidget* parent = nullptr);

  // What "Help" and "Text Effects" open.
  void SetHelp(std::function<void()> help) { help_ = std::move(help); }
  void SetTextEffects(std::function<void()> textEffects) { textEffects_ = std::move(textEffects); }

  // Every control shows its setting again, the labels and enables follow the settings and the
  // per-character table takes the editor's character count (activation, after a project was read).
  void Refresh();

 public slots:
  // OK: a table cell still being edited keeps its value, the project counts as modified and the
  // font-curve tolerance is taken over; the window hides.  Cancel (reject) only hides it.
  void accept() override;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildGeneralPage();
  QWidget* BuildFontPage();
  QWidget* BuildCurvesPage();
  QWidget* BuildSpacingPage();
  QWidget* BuildFaceChooser();
  // A number field that is checked on leaving; on a bad value the focus goes back to it.
  ExprField* CheckedNumber(std::string& setting, const char* name, SettingsField field);

  void Relabel();
  void RefreshFont();
  void RefreshCurves();
  void RefreshSpacing();
  void FillFaces();
  void PickEngravingFont();
  void LeavePointCount();
  void VariableClicked();
  void OpenTextEffects();

  Job& job_;
  SettingBinder bind_;
  std::function<void()> help_, textEffects_;

  // General.
  std::array<QLabel*, 5> coordLabels_{};
  std::array<ExprField*, 5> coordFields_{};
  QButtonGroup* justify_ = nullptr;

  // Font.
  QPushButton* ownFontButton_ = nullptr;
  QLabel* ownFontName_ = nullptr;
  QComboBox* faces_ = nullptr;
  QLabel* faceNote_ = nullptr;
  QLabel* sample_ = nullptr;
  QGroupBox* trueTypeOptions_ = nullptr;
  QWidget* specWide_ = nullptr;
  ExprField* textWide_ = nullptr;

  // Curves.
  QGroupBox* curveGroup_ = nullptr;
  QLineEdit* pointCount_ = nullptr;
  SettingsTable* pointTable_ = nullptr;
  CurvePointModel* points_ = nullptr;

  // Spacing.
  ExprField* letterSpace_ = nullptr;
  ExprField* wordSpace_ = nullptr;
  ExprField* lineSpace_ = nullptr;
  QButtonGroup* spacingKind_ = nullptr;
  SettingsTable* charTable_ = nullptr;
  CharTableModel* chars_ = nullptr;
  QPushButton* textEffectsButton_ = nullptr;
};

}  // namespace quill
