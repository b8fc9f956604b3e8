#include "artwork/modify_art_dlg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>

#include "artwork/dialog_parts.h"
#include "artwork/ui_parent_scope.h"
#include "job/job.h"
#include "shell/expr_field.h"
#include "shell/help_window.h"
#include "shell/window_directory.h"

namespace quill {

TModifyArtDlg::TModifyArtDlg(DesktopContext& context, QWidget* parent)
    : QDialog(parent), context_(context), optimize_(new QCheckBox("Optimize Tool Path", this)) {
  setObjectName("TModifyArtDlg");
  setWindowTitle("Modify Artwork");
  Ui& ui = context.job.ui;
  auto* form = new QFormLayout;
  fields_[XOFF] = AddField(this, ui, form, "-X- Offset", "XOFF", "0.0");
  fields_[YOFF] = AddField(this, ui, form, "-Y- Offset", "YOFF", "0.0");
  fields_[Xscale] = AddField(this, ui, form, "-X- Scale", "Xscale", "1.0");
  fields_[Yscale] = AddField(this, ui, form, "-Y- Scale", "Yscale", "1.0");
  fields_[Rotangle] = AddField(this, ui, form, "Rotation Angle", "Rotangle", "0.0");
  optimize_->setObjectName("BoxOptimize");
  form->addRow(optimize_);
  fields_[Endtol] = AddField(this, ui, form, "End Point Connection\nTolerance", "Endtol", "0.001");
  fields_[Endtol]->setEnabled(false);
  connect(optimize_, &QCheckBox::toggled, fields_[Endtol], &QWidget::setEnabled);
  form->addRow(new QLabel("For More Options/Flexibility, see the Art Workshop", this));
  help_ = [&context](const std::string& page) { ShowHelpPage(context, page); };
  ArrangeAboveButtons(this, form, help_, "Modify_Artwork");
}

void TModifyArtDlg::accept() {
  std::array<double, FieldCount> v{};
  ModifyArtworkOptions o;
  // The tolerance is read only when the ordering uses it.
  size_t read = optimize_->isChecked() ? FieldCount : Endtol;
  if (!EvaluateFields(std::span(fields_).first(read), v)) return;
  o.xOffset = v[XOFF], o.yOffset = v[YOFF], o.xScale = v[Xscale], o.yScale = v[Yscale];
  o.rotateDegrees = v[Rotangle];
  o.optimize = optimize_->isChecked();
  if (o.optimize) o.endTolerance = v[Endtol];
  // Options the change refuses ("X / Y Scale May Not be Zero"), arcs with unequal scales, Cancel during
  // the ordering and a file that cannot be written all leave the file as it was and the window open.
  // The ordering's "Working ..." window and the messages belong to this window.
  UiParentScope modal(context_.ui, this);
  if (ModifyArtwork(context_.job, o)) QDialog::accept();
}

}  // namespace quill
