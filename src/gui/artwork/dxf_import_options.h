// "DXF - Import": the cutting tolerance, arc-fit splines and replace existing artwork, asked before
// every import of a DXF drawing and of a DXF symbol.  The window keeps the values accepted last, so the
// next import starts from them; Cancel forgets what was typed.
#pragma once

#include <QDialog>

#include "artwork/dxf_import.h"
#include "shell/help_contexts.h"

class QCheckBox;

namespace quill {

class DxfStatusForm;
class ExprField;
class Job;

class TDxfImportDlg : public QDialog {
  Q_OBJECT

 public:
  TDxfImportDlg(Job& job, DxfStatusForm& status, QWidget* parent = nullptr);

  void SetHelpOpener(HelpPageOpener opener) { help_ = std::move(opener); }

  // The values accepted last (the defaults before the first import).
  DxfImportOptions& Options() { return options_; }
  // Shows the window over the remembered values; OK keeps what was typed.  A symbol is never
  // replacing the artwork, so its "Replace Existing Artwork" cannot be changed.
  bool Ask(bool forSymbol = false);
  // The windows of one import: this one before it, the status window during it.
  DxfImportWindows Windows();
  DxfStatusForm& Status() { return status_; }

  ExprField& Tolerance() { return *tolerance_; }
  QCheckBox& ArcFit() { return *arcFit_; }
  QCheckBox& Replace() { return *replace_; }

  void accept() override;

 private:
  void Show(const DxfImportOptions& o);

  DxfStatusForm& status_;
  DxfImportOptions options_;
  HelpPageOpener help_;
  ExprField* tolerance_;
  QCheckBox* arcFit_;
  QCheckBox* replace_;
};

}  // namespace quill
