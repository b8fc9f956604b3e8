// The Artwork menu: deleting, importing, tracing, modifying and raised or inset letters.
#include <QDialog>

#include "app/commands_gates.h"
#include "artwork/artwork_store.h"
#include "job/job.h"
#include "picture/picture_area.h"
#include "shell/main_window.h"
#include "shell/main_window_classes.h"
#include "shell/main_window_links.h"
#include "shell/window_directory.h"
#include "textpath/textpath_file.h"
#include "ui/ui.h"

namespace quill {

void TMainform::DeleteAllArtwork() {
  if (quill::DeleteAllArtwork(job_)) Refresh();
}

void TMainform::ModifyArtwork() {
  if (!RequireArtwork(job_)) return;
  bool available = context_.windows.Has(window_class::ModifyArtwork);
  int result = OpenWindow(window_class::ModifyArtwork, "Modify Artwork");
  // Without the window nothing was changed, so the project keeps its saved state.
  if (!available) return;
  job_.flags.ProjectModified = true;
  if (result == QDialog::Accepted) Extents();
}

// The letters are framed by the text path alone while they are made, then the view shows the whole job.
void TMainform::RaisedInsetLetters() {
  if (!RequireTextPath(job_)) return;
  if (OpenWindow(window_class::RaisedLetters, "Raised / Inset Letters") != QDialog::Accepted) return;
  RaisedLettersLink* link = FindRaisedLettersLink();
  if (!link) return;
  {
    BusyScope busy(job_.ui);
    job_.ui.Pump();
    WorldWindow& w = job_.view.ViewWindow;
    TextPathExtents(job_, w.Xmin, w.Ymin, w.Xmax, w.Ymax, false, false);
    link->GenerateLetters();
    job_.flags.ProjectModified = true;
  }
  Extents();
}

}  // namespace quill
