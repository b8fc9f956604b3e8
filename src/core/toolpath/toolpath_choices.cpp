#include "toolpath/toolpath_choices.h"

#include "job/job.h"
#include "toolpath/generate_toolpath.h"
#include "toolpath/scan/scan_picture.h"
#include "toolpath/toolpath_dialog.h"
#include "ui/ui.h"

namespace quill {

namespace {

// The scan's picture and area, or false after saying why they cannot be used.
bool PrepareScan(Job& job, const ToolPathChoices& c, Picture& picture) {
  if (!c.scanPicture.empty() && !LoadScanPictureFile(job, c.scanPicture)) return false;
  PictureRead kept = LoadScanPicture(job);
  std::string refusal = kept.Ok() ? CheckScanArea(c.scanArea) : kept.error;
  if (!refusal.empty()) {
    job.ui.Error(refusal);
    return false;
  }
  picture = std::move(kept.picture);
  return true;
}

}  // namespace

ToolPathOptions OptionsFor(const Job& job, const ToolPathChoices& c) {
  ToolPathOptions o;
  o.source = c.source.value_or(DefaultSource(job.flags, o.source));
  o.carveText = c.carveText;
  o.zAxis = c.projectOnSurface ? ZAxisMode::ProjectOnSurface : ZAxisMode::Constant;
  return o;
}

bool GenerateChosenToolPath(Job& job, const ToolPathChoices& c) {
  ToolPathOptions o = OptionsFor(job, c);
  ToolPathPlugins plugins;
  Picture picture;
  if (o.source == ToolPathSource::BitmapScan) {
    job.flags.ToolPathCreated = false;
    if (!PrepareScan(job, c, picture)) return false;
    plugins.bitmapScan = [&](Job& j, const ToolPathPass& pass) { BitmapScan(j, pass, c.scanArea, picture); };
  }
  return GenerateToolPath(job, o, false, plugins);
}

}  // namespace quill
