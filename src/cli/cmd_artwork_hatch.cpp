// quill artwork hatch: "Cross Hatch" inside every entity of the home's artwork, the hatch accepted.
#include <cstdio>

#include "artwork/tools/workshop_tools.h"
#include "cmd_artwork.h"

namespace quill::cli {

int CmdArtworkHatch(const Words& words) {
  Args a = ParseArgs(words, {"angle", "spacing", "tolerance"});
  if (!a.error.empty()) return UsageError(a.error, ArtworkHatchUsage);
  if (!a.positional.empty() || !a.flags.empty()) return UsageError("unknown arguments", ArtworkHatchUsage);
  if (!a.options.count("angle") || !a.options.count("spacing")) {
    return UsageError("--angle and --spacing are needed", ArtworkHatchUsage);
  }
  HatchOptions options;
  options.tolerance = EntityTolerance;
  std::string error;
  if (!NumberOption(a, "angle", options.angleDegrees, error) || !NumberOption(a, "spacing", options.spacing, error) ||
      !NumberOption(a, "tolerance", options.tolerance, error)) {
    return UsageError(error, ArtworkHatchUsage);
  }
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  ToolStatus status = CrossHatchSelection(art.ui, art.doc, options);
  if (status == ToolStatus::Refused || status == ToolStatus::Cancelled) return ExitError;
  if (status == ToolStatus::Nothing) std::fprintf(stderr, "quill: no hatch lines inside the artwork\n");
  return art.SaveAndCount();
}

}  // namespace quill::cli
