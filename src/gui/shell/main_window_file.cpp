// The File and Edit menus: projects, recent projects, project properties, exit, the metafile copy.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "app/commands_project.h"
#include "app/startup.h"
#include "job/job.h"
#include "picture/picture_area.h"
#include "picture/picture_area_frame.h"
#include "picture/printing.h"
#include "project/project_commands.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/window_directory.h"
#include "view/picture.h"

namespace quill {

namespace {

constexpr const char* kProjectFilter = "Quillcore Files|*.QLM|All Files|*.*";
constexpr const char* kProjectExtension = "QLM";

}  // namespace

void TMainform::NewProject() {
  if (!ConfirmDiscard(job_, [this] { return SaveProject(); })) return;
  NewJob(job_);
  Picture().update();
}

void TMainform::OpenProject() {
  if (!ConfirmDiscard(job_, [this] { return SaveProject(); })) return;
  std::string path = choosers_->OpenFile(this, {}, kProjectFilter, kProjectExtension);
  if (path.empty()) return;
  RunView([&](MainView&) { OpenProjectFile(job_, path); });
  RefreshRecentMenu();
}

bool TMainform::SaveProject() {
  if (job_.paths.ProjectFile.empty()) return SaveProjectAs();
  bool saved = quill::SaveProject(job_);
  RefreshRecentMenu();
  return saved;
}

bool TMainform::SaveProjectAs() {
  std::string path = choosers_->SaveFile(this, job_.paths.ProjectFile, kProjectFilter, kProjectExtension, true);
  if (path.empty()) return false;
  bool saved = quill::SaveProjectAs(job_, path);
  RefreshRecentMenu();
  return saved;
}

// A recent project replaces the job like Open does, so an unsaved job is offered for saving first.
void TMainform::OpenRecent(int k) {
  if (!ConfirmDiscard(job_, [this] { return SaveProject(); })) return;
  RunView([&](MainView&) { OpenRecentProject(job_, k); });
  RefreshRecentMenu();
}

void TMainform::ProjectProperties() {
  Extents();
  OpenWindow(window_class::ProjectProperties, "Project properties");
}

void TMainform::ExitProgram() {
  job_.view.SimState = SimOff;
  close();
}

// QP2008.EMF in the current folder, and the same picture on the clipboard as SVG and PNG.
void TMainform::CopyMetafile() {
  if (!quill::CopyMetafile(job_)) return;
  QGuiApplication::clipboard()->setMimeData(printing_->PictureMimeData(MetafileName));
}

}  // namespace quill
