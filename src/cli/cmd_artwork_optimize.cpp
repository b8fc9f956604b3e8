// quill artwork optimize: "Optimize Tool Path" on every entity of the home's artwork, the changes
// accepted.
#include <cstdio>

#include "artwork/tools/workshop_tools.h"
#include "cmd_artwork.h"

namespace quill::cli {

namespace {

// The options from the words; false (error set) on bad usage.
bool ReadOptions(Words words, OptimizeOptions& o, double start[2], std::string& home, std::string& error) {
  std::optional<std::vector<double>> at;
  if (!TakeNumbers(words, "start", 2, at, error)) return false;
  if (at) start[0] = (*at)[0], start[1] = (*at)[1];
  Args a = ParseArgs(words, {"tolerance", "simplify", "bezier", "bezier-tolerance", "arc-fit"});
  home = a.home;
  if (!a.error.empty()) return error = a.error, false;
  if (!a.positional.empty()) return error = "unexpected " + a.positional[0], false;
  for (const std::string& flag : a.flags) {
    if (flag != "no-duplicates" && flag != "no-merge" && flag != "no-force" && flag != "bridge") {
      return error = "unknown option --" + flag, false;
    }
  }
  o.removeDuplicates = !a.Has("no-duplicates");
  o.mergeSimilar = !a.Has("no-merge");
  o.forceEndPoints = !a.Has("no-force");
  o.bridgeGaps = a.Has("bridge");
  o.simplify = a.options.count("simplify") > 0;
  o.bezier = a.options.count("bezier") > 0;
  o.arcFit = a.options.count("arc-fit") > 0;
  if (!o.bezier && (o.arcFit || a.options.count("bezier-tolerance"))) {
    return error = "--bezier-tolerance and --arc-fit go with --bezier", false;
  }
  return NumberOption(a, "tolerance", o.connectTolerance, error) &&
         NumberOption(a, "simplify", o.simplifyTolerance, error) && NumberOption(a, "bezier", o.bezierLength, error) &&
         NumberOption(a, "bezier-tolerance", o.bezierSpacing, error) &&
         NumberOption(a, "arc-fit", o.arcFitTolerance, error);
}

}  // namespace

int CmdArtworkOptimize(const Words& words) {
  OptimizeOptions options;
  double start[2] = {0, 0};
  std::string home, error;
  if (!ReadOptions(words, options, start, home, error)) return UsageError(error, ArtworkOptimizeUsage);
  HomeArtwork art;
  if (!art.Open(home)) return ExitError;
  if (OptimizeSelection(art.ui, art.doc, options, start[0], start[1]) != ToolStatus::Done) return ExitError;
  return art.SaveAndCount();
}

}  // namespace quill::cli
