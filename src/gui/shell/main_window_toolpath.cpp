// The Tool Path menu: creating and deleting the tool path, and the file the NC code goes to.
#include <QDialog>

#include "app/commands_gates.h"
#include "app/commands_nc_save.h"
#include "job/job.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/main_window_links.h"
#include "shell/window_directory.h"

namespace quill {

void TMainform::CreateToolPath() {
  OpenWindow(window_class::ToolPath, "The tool path dialog");
  Extents();
}

void TMainform::DeleteToolPath() {
  if (quill::DeleteToolPath(job_)) Refresh();
}

// The generator is shown with no file; the operator then names one, and the generator writes it when
// its Start is pressed.
void TMainform::GenerateNcCode() {
  if (!RequireToolPath(job_)) return;
  NcFileNameLink* link = FindNcFileNameLink();
  if (link) link->SetNcFileName("NONE");
  if (OpenWindow(window_class::NcGenerator, "The NC-code generator") != QDialog::Accepted || !link) return;
  QWidget* generator = dynamic_cast<QWidget*>(link);
  NcFileChoice choice = ChooseNcFile(job_, [&](const std::string& folder, const std::string& ext,
                                               const std::string& filter) {
    return choosers_->SaveFile(this, folder, filter, ext, false);
  });
  if (choice.outcome == NcFileChoice::Cancelled) generator->hide();
  if (choice.outcome != NcFileChoice::Chosen) return;
  link->SetNcFileName(choice.file);
  generator->repaint();
  generator->hide();
  generator->show();
  generator->raise();
  generator->activateWindow();
}

}  // namespace quill
