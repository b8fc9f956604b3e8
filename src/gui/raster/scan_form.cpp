#include "raster/scan_form.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include "job/job.h"
#include "raster/effects_dlg.h"
#include "raster/raster_settings_dlg.h"
#include "raster/scanner_dlg.h"
#include "raster/trace_picture_view.h"
#include "shell/main_window_choosers.h"
#include "shell/window_directory.h"

namespace quill {

namespace {

QString WithoutAccessKeys(QString caption) {
  return caption.remove('&');
}

}  // namespace

TScanForm::TScanForm(DesktopContext& context, TCoordinateDlg& coordinates, QWidget* parent)
    : QDialog(parent),
      job_(context.job),
      coordinates_(coordinates),
      session_(context.job),
      area_(new QScrollArea(this)),
      view_(new TracePictureView(session_, *area_)),
      mode_(new QPushButton("Drawing", this)),
      status_(new QLabel(this)),
      settings_(new TRas2vecdlg(this)),
      effects_(new TEffectsDlg(this)),
      scanner_(new TScannerDlg(context.job.ui, this)),
      choosers_(std::make_unique<FileChoosers>()) {
  setObjectName("TScanForm");
  setWindowTitle("Scan/Trace/Convert");
  setSizeGripEnabled(true);
  resize(900, 650);
  area_->setObjectName("PictureArea");
  area_->setWidget(view_);
  area_->setAlignment(Qt::AlignCenter);
  mode_->setObjectName("ModeButton");
  status_->setObjectName("Status");
  auto* bar = new QMenuBar(this);
  // The tool panel spans the window's width whatever its size.
  auto* tools = new QToolBar(this);
  tools->setObjectName("ToolPanel");
  BuildMenus(bar, tools);
  tools->addWidget(mode_);
  connect(mode_, &QPushButton::clicked, this, &TScanForm::ToggleMode);
  auto* column = new QVBoxLayout(this);
  column->setMenuBar(bar);
  column->addWidget(tools);
  column->addWidget(area_, 1);
  column->addWidget(status_);
  view_->OnChange([this] { ShowStatus(); });
  view_->OnCursor([this](PicturePoint at) {
    prompt_.clear();
    status_->setText(QString("X %1, Y %2   Zoom %3%").arg(at.x).arg(at.y).arg(view_->Zoom() * 100, 0, 'f', 0));
  });
}

TScanForm::~TScanForm() = default;

void TScanForm::SetChoosers(std::unique_ptr<FileChoosers> choosers) {
  choosers_ = std::move(choosers);
}

void TScanForm::SetHelpOpener(HelpPageOpener opener) {
  settings_->SetHelpOpener(opener);
  help_ = std::move(opener);
}

int TScanForm::Run() {
  session_.Shown();
  artworkChanged_ = false;
  PictureChanged();
  return exec();
}

QAction* TScanForm::MenuItem(const QString& caption) const {
  for (QMenu* menu : findChildren<QMenu*>()) {
    for (QAction* a : menu->actions()) {
      if (WithoutAccessKeys(a->text()) == caption) return a;
    }
  }
  return nullptr;
}

QAction* TScanForm::Button(const QString& hint) const {
  for (QToolBar* tools : findChildren<QToolBar*>()) {
    for (QAction* a : tools->actions()) {
      if (a->toolTip() == hint) return a;
    }
  }
  return nullptr;
}

QString TScanForm::StatusText() const {
  return status_->text();
}

void TScanForm::PictureChanged() {
  view_->PictureChanged();
  ShowStatus();
}

void TScanForm::ShowStatus() {
  if (!prompt_.isEmpty()) return status_->setText(prompt_);
  const Picture& p = session_.Document().Image();
  QString text = p.Empty() ? QString("No picture") : QString("%1 x %2 pixels").arg(p.Width()).arg(p.Height());
  text += QString("   Zoom %1%").arg(view_->Zoom() * 100, 0, 'f', 0);
  if (session_.RasterToVectorDone()) text += "   The traced drawing is imported when you leave the window";
  status_->setText(text);
}

void TScanForm::reject() {
  Exit();
}

void TScanForm::closeEvent(QCloseEvent* event) {
  event->ignore();
  Exit();
}

}  // namespace quill
