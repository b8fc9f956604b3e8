#include "text/settings_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "job/job.h"
#include "shell/expr_field.h"
#include "shell/dialog_buttons.h"
#include "text/settings_dialog_tables.h"

namespace quill {

TSettingsDlg::TSettingsDlg(Job& job, QWidget* parent) : QDialog(parent), job_(job), bind_(job.ui) {
  setObjectName("TSettingsDlg");
  setWindowTitle("QUILLMARK SETTINGS");
  setModal(false);
  auto* pages = new QTabWidget;
  pages->setObjectName("pages");
  pages->addTab(BuildGeneralPage(), "General");
  pages->addTab(BuildFontPage(), "Font");
  pages->addTab(BuildCurvesPage(), "Curves");
  pages->addTab(BuildSpacingPage(), "Spacing");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addWidget(OkCancelHelp(this, [this] {
    if (help_) help_();
  }));
  Refresh();
}

ExprField* TSettingsDlg::CheckedNumber(std::string& setting, const char* name, SettingsField field) {
  ExprField* f = bind_.Number(setting, name);
  connect(f, &ExprField::Left, this, [this, f, field](double, bool ok) {
    // A bad expression has had its warning and the focus already.
    if (ok && CheckLeavingField(job_, field)) f->SetFocus();
  });
  return f;
}

void TSettingsDlg::Refresh() {
  TakeCharacterCount(job_);
  bind_.Reload();
  Relabel();
  RefreshFont();
  RefreshCurves();
  RefreshSpacing();
}

void TSettingsDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) Refresh();
}

void TSettingsDlg::accept() {
  if (!FieldsReady(this)) return;
  pointTable_->CommitEdit();
  charTable_->CommitEdit();
  ConfirmSettings(job_);
  QDialog::accept();
}

}  // namespace quill
