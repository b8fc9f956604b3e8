#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>

#include "app/startup.h"
#include "job/job.h"
#include "picture/picture_area.h"
#include "picture/picture_area_frame.h"
#include "picture/printing.h"
#include "project/project_commands.h"
#include "project/recent_projects.h"
#include "shell/main_window_classes.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"
#include "ui/ui.h"

namespace quill {

TMainform::TMainform(DesktopContext& context, QWidget* parent)
    : QMainWindow(parent),
      context_(context),
      job_(context.job),
      frame_(new PictureFrame(context.job, this)),
      printing_(std::make_unique<Printing>(context.job, frame_->Picture())),
      choosers_(std::make_unique<FileChoosers>()) {
  setObjectName("TMainform");
  setCentralWidget(frame_);
  BuildMenus();
  BuildButtonBar();
  RefreshRecentMenu();
  ShowSolidModel(job_.prefs.SolidView);
  resize(1024, 768);
}

TMainform::~TMainform() = default;

PictureArea& TMainform::Picture() {
  return frame_->Picture();
}

void TMainform::RefreshRecentMenu() {
  RecentMenu menu = RecentMenuOf(job_.prefs.RecentProjects);
  for (size_t k = 0; k < recent_.size(); ++k) {
    recent_[k]->setText(QString::fromLocal8Bit(menu.items[k].caption.c_str()));
    recent_[k]->setVisible(menu.items[k].visible);
  }
  recentSeparator_->setVisible(menu.separatorVisible);
  setWindowTitle(QString::fromLocal8Bit(MainWindowCaption(job_).c_str()));
}

void TMainform::ShowSolidModel(bool shown) {
  solidModel_->setVisible(shown);
  solidSeparator_->setVisible(shown);
}

int TMainform::OpenWindow(const char* className, const char* what) {
  return context_.windows.Open(className, this, what);
}

void TMainform::RunView(const std::function<void(MainView&)>& command) {
  Picture().Run(command);
  frame_->SyncScrollBars();
}

// A drawing under way (the generation redraws the view) is let finish first.
void TMainform::WaitForDisplay() {
  while (!job_.flags.DisplayIdle && Picture().Drawing()) job_.ui.Pump();
}

// The close query: not while the picture is being drawn, and not when the operator keeps an unsaved job.
void TMainform::closeEvent(QCloseEvent* event) {
  // The workshop's "Save Changes to Artwork" comes first: what it saves is part of the project.
  QWidget* workshop = findChild<QWidget*>(window_class::ArtWorkshop);
  if (!job_.flags.DisplayIdle || (workshop && !workshop->close()) ||
      !ConfirmDiscard(job_, [this] { return SaveProject(); })) {
    event->ignore();
    return;
  }
  job_.view.SimState = SimOff;
  CloseMainWindow(job_);
  Picture().SetClosing();
  event->accept();
  emit Closed();
}

}  // namespace quill
