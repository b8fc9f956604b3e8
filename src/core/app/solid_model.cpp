#include "app/solid_model.h"

#include "app/run_external.h"
#include "app/stages.h"
#include "job/job.h"
#include "nc/apt_output.h"
#include "ui/ui.h"

namespace quill {

bool RunSolidModel(Job& job) {
  if (!job.flags.ToolPathCreated) {
    job.ui.Inform("Tool Path Has Not Been Created Yet");
    return false;
  }
  // The stock box is taken from the plan view's extents.
  job.view.View3D = false;
  ViewJobExtents(job);
  const WorldWindow& w = job.view.ViewWindow;
  if (!WriteJobAptFile(job, w.Xmin, w.Ymin, w.Xmax, w.Ymax, job.view.Zmin)) return false;
  const std::string& folder = job.paths.SolidPath;
  return RunExternal(job.ui, folder + VerifierProgram, {job.paths.AptFileName}, folder) > 32;
}

}  // namespace quill
