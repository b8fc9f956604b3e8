// quill artwork SUB ...: the dispatcher, and the subcommands info (Show Information's fifteen lines) and
// export (DXF Export of every entity, or of those inside a window).
#include "cmd_artwork.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "app/program.h"
#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop/dxf_export.h"
#include "artwork/workshop/information.h"
#include "artwork/workshop/selection.h"
#include "cli_args.h"
#include "mathlib/number_text.h"
#include "records/artwork_query.h"

namespace quill::cli {

namespace {

struct Subcommand {
  const char* name;
  int (*run)(const Words&);
  const char* usage;
};

// A new subcommand is one more row.
const Subcommand kSubcommands[] = {
    {"info", CmdArtworkInfo, ArtworkInfoUsage},
    {"export", CmdArtworkExport, ArtworkExportUsage},
    {"optimize", CmdArtworkOptimize, ArtworkOptimizeUsage},
    {"hatch", CmdArtworkHatch, ArtworkHatchUsage},
    {"linearize", CmdArtworkLinearize, ArtworkLinearizeUsage},
    {"deskew", CmdArtworkDeskew, ArtworkDeskewUsage},
    {"modify", CmdArtworkModify, ArtworkModifyUsage},
};

int SubcommandUsage(std::FILE* to) {
  std::fprintf(to, "usage:\n");
  for (const auto& s : kSubcommands) std::fprintf(to, "  %s\n", s.usage);
  return to == stdout ? ExitOk : ExitUsage;
}

}  // namespace

bool HomeArtwork::Open(const std::string& home) {
  if (!StartJob(job, home)) return false;
  // The home's artwork file is the toolbox's artwork from one command to the next.
  job.flags.ArtworkPresent = HasArtworkRecords(job.paths.ArtFileName);
  OpenWorkshop(job, doc);
  SelectAll(doc);
  return true;
}

bool HomeArtwork::Save() {
  return SaveArtwork(job, doc);
}

int HomeArtwork::SaveAndCount() {
  if (!Save()) return ExitError;
  std::printf("%ld\n", CountArtworkRecords(job.paths.ArtFileName));
  return ExitOk;
}

bool TakeNumbers(Words& words, const std::string& name, size_t count, std::optional<std::vector<double>>& numbers,
                 std::string& error) {
  const std::string option = "--" + name;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] != option) continue;
    std::vector<double> values;
    for (size_t k = 1; k <= count; ++k) {
      std::optional<double> v = i + k < words.size() ? StrictToDouble(words[i + k]) : std::nullopt;
      if (!v || !std::isfinite(*v)) {
        error = option + " needs " + std::to_string(count) + (count == 1 ? " number" : " numbers");
        return false;
      }
      values.push_back(*v);
    }
    numbers = std::move(values);
    words.erase(words.begin() + static_cast<long>(i), words.begin() + static_cast<long>(i + count + 1));
    return true;
  }
  return true;
}

bool NumberOption(const Args& args, const std::string& name, double& value, std::string& error) {
  auto it = args.options.find(name);
  if (it == args.options.end()) return true;
  std::optional<double> v = StrictToDouble(it->second);
  if (!v || !std::isfinite(*v)) {
    error = "--" + name + " needs a number";
    return false;
  }
  value = *v;
  return true;
}

int CmdArtwork(const Words& words) {
  // The subcommand is the first word that is not the home option, which may come before it.
  size_t at = 0;
  while (at < words.size() && (words[at] == "--home" || words[at].rfind("--home=", 0) == 0)) {
    at += words[at] == "--home" ? 2 : 1;
  }
  if (at >= words.size()) return SubcommandUsage(stderr);
  const std::string& name = words[at];
  if (name == "--help" || name == "help") return SubcommandUsage(stdout);
  Words rest = words;
  rest.erase(rest.begin() + static_cast<long>(at));
  for (const auto& s : kSubcommands) {
    if (name == s.name) return s.run(rest);
  }
  std::fprintf(stderr, "quill: unknown artwork command '%s'\n", name.c_str());
  return SubcommandUsage(stderr);
}

int CmdArtworkInfo(const Words& words) {
  Args a = ParseArgs(words, {});
  if (!a.error.empty()) return UsageError(a.error, ArtworkInfoUsage);
  if (!a.positional.empty() || !a.flags.empty()) return UsageError("info takes no arguments", ArtworkInfoUsage);
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  for (const InformationLine& line : InformationLines(ComputeInformation(art.doc))) {
    std::printf("%s %s\n", line.label, line.value.c_str());
  }
  return ExitOk;
}

int CmdArtworkExport(const Words& words) {
  Words rest = words;
  std::optional<std::vector<double>> window;
  std::string error;
  if (!TakeNumbers(rest, "selected-window", 4, window, error)) return UsageError(error, ArtworkExportUsage);
  Args a = ParseArgs(rest, {});
  if (!a.error.empty()) return UsageError(a.error, ArtworkExportUsage);
  if (!a.flags.empty()) return UsageError("unknown option --" + *a.flags.begin(), ArtworkExportUsage);
  if (a.positional.size() != 1) return UsageError("one DXF file to write is needed", ArtworkExportUsage);
  HomeArtwork art;
  if (!art.Open(a.home)) return ExitError;
  if (!art.job.flags.ArtworkPresent) {
    std::fprintf(stderr, "quill: Art File has not been Imported / Created Yet\n");
    return ExitError;
  }
  if (window) {
    const auto& w = *window;
    SelectNone(art.doc);
    SelectWindow(art.doc, w[0], w[1], w[2], w[3]);
  }
  long written = ExportDxf(art.ui, art.doc, a.positional[0], ExportScope::Selected);
  if (written < 0) return ExitError;
  std::printf("%ld\n", written);
  return ExitOk;
}

}  // namespace quill::cli
