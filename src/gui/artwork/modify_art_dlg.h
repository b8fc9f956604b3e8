// "Modify Artwork" (the main window's Artwork menu): the whole artwork file offset, scaled, turned
// about the origin and, when asked, put into cutting order, without the Art Workshop.  OK changes the
// file; options or a file the change refuses keep the window open with the reason.  The window keeps
// what was typed for the next time.
#pragma once

#include <QDialog>
#include <array>

#include "artwork/tools/modify_artwork.h"
#include "shell/help_contexts.h"

class QCheckBox;

namespace quill {

struct DesktopContext;
class ExprField;

class TModifyArtDlg : public QDialog {
  Q_OBJECT

 public:
  enum Field { XOFF, YOFF, Xscale, Yscale, Rotangle, Endtol, FieldCount };

  explicit TModifyArtDlg(DesktopContext& context, QWidget* parent = nullptr);

  ExprField& Entry(Field f) { return *fields_[f]; }
  QCheckBox& BoxOptimize() { return *optimize_; }
  // Reads the fields and modifies the artwork file; the window closes only when it was changed.
  void accept() override;

 private:
  DesktopContext& context_;
  HelpPageOpener help_;
  std::array<ExprField*, FieldCount> fields_{};
  QCheckBox* optimize_;
};

}  // namespace quill
