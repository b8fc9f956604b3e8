// quill artwork modify: "Modify Artwork" on the home's artwork file.
#include <cstdio>

#include "artwork/tools/modify_artwork.h"
#include "cmd_artwork.h"

namespace quill::cli {

int CmdArtworkModify(const Words& words) {
  Words rest = words;
  std::optional<std::vector<double>> offset, scale;
  std::string error;
  if (!TakeNumbers(rest, "offset", 2, offset, error) || !TakeNumbers(rest, "scale", 2, scale, error)) {
    return UsageError(error, ArtworkModifyUsage);
  }
  Args a = ParseArgs(rest, {"rotate", "end-tolerance"});
  if (!a.error.empty()) return UsageError(a.error, ArtworkModifyUsage);
  if (!a.positional.empty()) return UsageError("unexpected " + a.positional[0], ArtworkModifyUsage);
  for (const std::string& flag : a.flags) {
    if (flag != "optimize") return UsageError("unknown option --" + flag, ArtworkModifyUsage);
  }
  ModifyArtworkOptions options;
  if (offset) options.xOffset = (*offset)[0], options.yOffset = (*offset)[1];
  if (scale) options.xScale = (*scale)[0], options.yScale = (*scale)[1];
  options.optimize = a.Has("optimize");
  if (!options.optimize && a.options.count("end-tolerance")) {
    return UsageError("--end-tolerance goes with --optimize", ArtworkModifyUsage);
  }
  if (!NumberOption(a, "rotate", options.rotateDegrees, error) ||
      !NumberOption(a, "end-tolerance", options.endTolerance, error)) {
    return UsageError(error, ArtworkModifyUsage);
  }
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  long records = 0;
  if (!ModifyArtwork(art.job, options, &records)) return ExitError;
  std::printf("%ld\n", records);
  return ExitOk;
}

}  // namespace quill::cli
