// quill artwork linearize: "Linearize Arcs" on the home's artwork.
#include "artwork/tools/workshop_tools.h"
#include "cmd_artwork.h"

namespace quill::cli {

int CmdArtworkLinearize(const Words& words) {
  Args a = ParseArgs(words, {"tolerance"});
  if (!a.error.empty()) return UsageError(a.error, ArtworkLinearizeUsage);
  if (!a.positional.empty() || !a.flags.empty()) return UsageError("unknown arguments", ArtworkLinearizeUsage);
  if (!a.options.count("tolerance")) return UsageError("--tolerance is needed", ArtworkLinearizeUsage);
  LinearizeOptions options;
  std::string error;
  if (!NumberOption(a, "tolerance", options.tolerance, error)) return UsageError(error, ArtworkLinearizeUsage);
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  ToolResult result = LinearizeArcs(art.ui, art.doc.Items(), options);
  if (result.status == ToolStatus::Refused) return ExitError;
  if (result.Done()) art.doc.ReplaceAll(std::move(result.entities), "Linearize Arcs");
  return art.SaveAndCount();
}

}  // namespace quill::cli
