#include "toolpath/generate_toolpath.h"

#include <cerrno>
#include <cmath>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "toolpath/artwork_toolpath.h"
#include "toolpath/carve/carve_setup.h"
#include "toolpath/carve/carve_text.h"
#include "toolpath/cl_output.h"
#include "toolpath/surface/surface_projector.h"
#include "toolpath/text_toolpath.h"
#include "ui/ui.h"

namespace quill {

namespace {

bool NeedsText(ToolPathSource s) {
  return s == ToolPathSource::TextOnly || s == ToolPathSource::ArtworkThenText || s == ToolPathSource::TextThenArtwork;
}

bool NeedsArtwork(ToolPathSource s) {
  return s == ToolPathSource::ArtworkOnly || s == ToolPathSource::ArtworkThenText ||
         s == ToolPathSource::TextThenArtwork;
}

constexpr double kMostDepthPasses = 10000;

// Settings that could never finish, and choices this build cannot make, are refused before the file is
// touched.
bool CheckBeforeWriting(Job& job, const ToolPathOptions& o, const ToolPathValues& v, const ToolPathPlugins& p) {
  const char* refusal = nullptr;
  bool passes = o.multipleDepths && o.zAxis == ZAxisMode::Constant && v.ZTOP > v.ZDEPTH;
  bool carving = o.carveText && NeedsText(o.source);
  if (passes && IsZero(v.ZPERPASS)) {
    refusal = "-Z- Per Pass Cannot be Zero with Multiple -Z- Depths";
  } else if (passes && !((v.ZTOP - v.ZDEPTH) / std::fabs(v.ZPERPASS) <= kMostDepthPasses)) {
    // A step typed a thousand times too small would cut for days and fill the disk.
    refusal = "-Z- Per Pass Gives More Than 10000 Passes";
  } else if (carving && o.zAxis == ZAxisMode::ProjectOnSurface) {
    // Carving sets its own depth at every point; the surface would have to carry each of them.
    refusal = "Carve Text in 3D Cannot be Used with Project on Surface";
  } else if (o.source == ToolPathSource::BitmapScan && !p.bitmapScan) {
    refusal = "3D Bitmap Scan is not available in this version";
  }
  if (refusal) job.ui.Error(refusal);
  return !refusal && (!carving || CheckCarving(job, v));
}

bool CheckSources(Job& job, ToolPathSource s) {
  if (NeedsText(s) && !job.flags.TextPathGenerated) {
    job.ui.Error("Cannot Process Text, Text path Not Generated");
    return false;
  }
  if (NeedsArtwork(s) && !job.flags.ArtworkPresent) {
    job.ui.Error("Cannot Process ArtWork, No ArtWork has been Defined");
    return false;
  }
  return true;
}

void Text(Job& job, const ToolPathOptions& o, const ToolPathPlugins& p, const ToolPathPass& pass) {
  if (o.carveText && p.carveText) {
    p.carveText(job, pass);
  } else if (o.carveText) {
    CarveText(job, pass);
  } else {
    TextToolPath(job, pass);
  }
}

void RunSources(Job& job, const ToolPathOptions& o, const ToolPathPlugins& p, const ToolPathPass& pass) {
  switch (o.source) {
    case ToolPathSource::TextOnly: Text(job, o, p, pass); break;
    case ToolPathSource::ArtworkOnly: ArtworkToolPath(job, pass); break;
    case ToolPathSource::ArtworkThenText:
      ArtworkToolPath(job, pass);
      Text(job, o, p, pass);
      break;
    case ToolPathSource::TextThenArtwork:
      Text(job, o, p, pass);
      ArtworkToolPath(job, pass);
      break;
    case ToolPathSource::BitmapScan: p.bitmapScan(job, pass); break;
  }
}

// Pass k goes k steps below the top of the part, never below the cutting depth.  Counting the steps
// rather than adding them up keeps rounding from making an extra pass a hair above the final depth.
double PassDepth(const ToolPathValues& v, long k) {
  double d = v.ZTOP - static_cast<double>(k) * std::fabs(v.ZPERPASS);
  return d < v.ZDEPTH + 1e-9 ? v.ZDEPTH : d;
}

void RunPasses(Job& job, const ToolPathOptions& o, const ToolPathPlugins& p, ClOutput& out, const ToolPathValues& v,
               SurfaceProjection* projection) {
  bool multiple = o.multipleDepths && !projection;
  for (long k = 1;; ++k) {
    double d = multiple ? PassDepth(v, k) : v.ZDEPTH;
    RunSources(job, o, p, ToolPathPass{out, v, d, projection});
    if (!multiple || d <= v.ZDEPTH) break;
  }
}

bool OpenClFile(Job& job, ClOutput& out, bool appendMode) {
  errno = 0;
  if (out.Open(job.paths.CLFileName, appendMode)) return true;
  ReportClFileError(job.ui, errno, job.paths.CLFileName);
  return false;
}

bool CloseClFile(Job& job, ClOutput& out) {
  errno = 0;
  if (out.Close()) return true;
  ReportClFileError(job.ui, errno, job.paths.CLFileName);
  return false;
}

}  // namespace

bool GenerateToolPath(Job& job, const ToolPathOptions& options, bool appendMode, const ToolPathPlugins& plugins) {
  job.flags.ToolPathCreated = false;
  job.ui.Counter(StatusChannel::ToolPathCounter, 0);
  ToolPathValues v = ReadToolPathValues(job.ui, job.settings);
  if (!CheckBeforeWriting(job, options, v, plugins)) return false;
  SurfaceProjector ownSurface(job);
  SurfaceProjection* projection = nullptr;
  if (options.zAxis == ZAxisMode::ProjectOnSurface) {
    projection = plugins.projection ? plugins.projection : &ownSurface;
    if (!projection->PrepareSurface()) return false;
  }
  BusyScope busy(job.ui);
  ClOutput out(job.ui);
  if (!OpenClFile(job, out, appendMode)) return false;
  out.WriteRotaryRadius(v.ROTRAD);
  if (!CheckSources(job, options.source)) {
    out.Close();
    return false;
  }
  RunPasses(job, options, plugins, out, v, projection);
  if (!appendMode) out.WriteEnd();
  if (!CloseClFile(job, out)) return false;
  job.flags.ToolPathCreated = true;
  return true;
}

}  // namespace quill
