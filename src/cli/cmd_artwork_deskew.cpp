// quill artwork deskew: "Deskew & Scale" of every entity of the home's artwork, the picks given as
// coordinates.
#include "artwork/tools/workshop_tools.h"
#include "cmd_artwork.h"

namespace quill::cli {

namespace {

struct Given {
  std::optional<std::vector<double>> axisLine, axisPoints, origin, knownPoint, knownDistance;
};

bool TakeAll(Words& words, Given& g, std::string& error) {
  return TakeNumbers(words, "axis-line", 4, g.axisLine, error) &&
         TakeNumbers(words, "axis-points", 4, g.axisPoints, error) && TakeNumbers(words, "origin", 2, g.origin, error) &&
         TakeNumbers(words, "known-point", 4, g.knownPoint, error) &&
         TakeNumbers(words, "known-distance", 3, g.knownDistance, error);
}

// The options and picks from what was given; false (error set) when two of a kind were given.
bool Compose(const Given& g, bool scale, DeskewOptions& o, DeskewPicks& p, std::string& error) {
  if (g.axisLine && g.axisPoints) return error = "give one of --axis-line and --axis-points", false;
  if ((g.knownPoint ? 1 : 0) + (g.knownDistance ? 1 : 0) + (scale ? 1 : 0) > 1) {
    return error = "give one of --known-point, --known-distance and --scale", false;
  }
  o.axis = g.axisLine ? DeskewAxis::Line : g.axisPoints ? DeskewAxis::TwoPoints : DeskewAxis::World;
  if (const auto& axis = g.axisLine ? g.axisLine : g.axisPoints) {
    p.axisX1 = (*axis)[0], p.axisY1 = (*axis)[1], p.axisX2 = (*axis)[2], p.axisY2 = (*axis)[3];
  }
  if (g.origin) p.originX = (*g.origin)[0], p.originY = (*g.origin)[1];
  o.scaling = DeskewScaling::None;
  if (g.knownPoint) {
    o.scaling = DeskewScaling::KnownPoint;
    p.knownX = (*g.knownPoint)[0], p.knownY = (*g.knownPoint)[1];
    o.first = (*g.knownPoint)[2], o.second = (*g.knownPoint)[3];
  } else if (g.knownDistance) {
    o.scaling = DeskewScaling::KnownDistance;
    p.knownX = (*g.knownDistance)[0], p.knownY = (*g.knownDistance)[1];
    o.first = (*g.knownDistance)[2];
  } else if (scale) {
    o.scaling = DeskewScaling::KnownScale;
  }
  return true;
}

}  // namespace

int CmdArtworkDeskew(const Words& words) {
  Words rest = words;
  Given given;
  std::string error;
  if (!TakeAll(rest, given, error)) return UsageError(error, ArtworkDeskewUsage);
  Args a = ParseArgs(rest, {"scale"});
  if (!a.error.empty()) return UsageError(a.error, ArtworkDeskewUsage);
  if (!a.positional.empty() || !a.flags.empty()) return UsageError("unknown arguments", ArtworkDeskewUsage);
  DeskewOptions options;
  DeskewPicks picks;
  if (!Compose(given, a.options.count("scale") > 0, options, picks, error) ||
      !NumberOption(a, "scale", options.first, error)) {
    return UsageError(error, ArtworkDeskewUsage);
  }
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  ToolResult result = DeskewScale(art.ui, art.doc.Items(), options, picks);
  if (!result.Done()) return ExitError;
  art.doc.ReplaceAll(std::move(result.entities), "Deskew & Scale");
  return art.SaveAndCount();
}

}  // namespace quill::cli
