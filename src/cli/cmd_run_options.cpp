#include "cmd_run_options.h"

#include <array>

#include "mathlib/number_text.h"

namespace quill::cli {

namespace {

struct SourceName {
  const char* name;
  ToolPathSource source;
};

constexpr std::array<SourceName, 5> kSources{{
    {"text", ToolPathSource::TextOnly},
    {"artwork", ToolPathSource::ArtworkOnly},
    {"artwork-text", ToolPathSource::ArtworkThenText},
    {"text-artwork", ToolPathSource::TextThenArtwork},
    {"bitmap-scan", ToolPathSource::BitmapScan},
}};

const std::set<std::string> kSwitches{"carve", "project-surface", "invert", "unidirectional"};

}  // namespace

std::string TakeScanArea(Words& words, ToolPathChoices& choices, bool& given) {
  given = false;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] != "--scan-area") continue;
    BitmapScanArea& a = choices.scanArea;
    std::array<double*, 6> values{&a.xmin, &a.ymin, &a.width, &a.height, &a.xstep, &a.ystep};
    for (size_t k = 0; k < values.size(); ++k) {
      auto v = i + 1 + k < words.size() ? StrictToDouble(words[i + 1 + k]) : std::nullopt;
      if (!v) return "--scan-area needs six numbers: XMIN YMIN WIDTH HEIGHT XSTEP YSTEP";
      *values[k] = *v;
    }
    words.erase(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i + 7));
    given = true;
    --i;
  }
  return {};
}

std::string ReadToolPathChoices(const Args& a, bool scanAreaGiven, ToolPathChoices& c) {
  for (const std::string& flag : a.flags) {
    if (!kSwitches.count(flag)) return "unknown option --" + flag;
  }
  if (a.options.count("source")) {
    std::string name = a.Option("source");
    for (const SourceName& s : kSources) {
      if (name == s.name) c.source = s.source;
    }
    if (!c.source) return "--source must be text, artwork, artwork-text, text-artwork or bitmap-scan";
  }
  c.carveText = a.Has("carve");
  c.projectOnSurface = a.Has("project-surface");
  c.scanPicture = a.Option("scan-picture");
  c.scanArea.invert = a.Has("invert");
  c.scanArea.unidirectional = a.Has("unidirectional");
  bool scanning = c.source == ToolPathSource::BitmapScan;
  if (!scanning && (scanAreaGiven || !c.scanPicture.empty() || c.scanArea.invert || c.scanArea.unidirectional)) {
    return "--scan-picture, --scan-area, --invert and --unidirectional need --source bitmap-scan";
  }
  return {};
}

bool ChoicesMade(const ToolPathChoices& c) {
  return c.source || c.carveText || c.projectOnSurface || !c.scanPicture.empty();
}

}  // namespace quill::cli
