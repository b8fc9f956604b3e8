// quill import FILE [--replace] [--arc-fit] [--tolerance T]: a DXF, HPGL or TMG file into the home's
// artwork file, chosen by its name as the Import-Artwork command chooses; prints the artwork's record count.
#include <cstdio>

#include "app/program.h"
#include "artwork/dxf_status.h"
#include "artwork/import_artwork.h"
#include "cli_args.h"
#include "commands.h"
#include "job/job.h"
#include "mathlib/number_text.h"
#include "records/artwork_query.h"
#include "ui/batch_ui.h"

namespace quill::cli {

namespace {

int Failure(const ImportResult& result, const Job& job, const std::string& file) {
  switch (result.status) {
    case ImportResult::InputUnreadable: std::fprintf(stderr, "quill: cannot read %s\n", file.c_str()); break;
    case ImportResult::ArtworkUnwritable:
      std::fprintf(stderr, "quill: cannot write the artwork file %s\n", job.paths.ArtFileName.c_str());
      break;
    case ImportResult::NotConverted:
      std::fprintf(stderr, "quill: %s was not converted (result code %d)\n", file.c_str(), result.dxfCode);
      break;
    default: return ExitOk;
  }
  return ExitError;
}

}  // namespace

int CmdImport(const Words& words) {
  Args a = ParseArgs(words, {"tolerance"});
  if (!a.error.empty()) return UsageError(a.error, ImportUsage);
  if (a.positional.size() != 1) return UsageError("one file to import is needed", ImportUsage);
  for (const std::string& flag : a.flags) {
    if (flag != "replace" && flag != "arc-fit") return UsageError("unknown option --" + flag, ImportUsage);
  }
  DxfImportOptions options;
  options.CBReplace = a.Has("replace");
  options.Barcs = a.Has("arc-fit");
  options.CUTTOL = a.Option("tolerance", options.CUTTOL);
  if (!StrictToDouble(options.CUTTOL)) return UsageError("the tolerance must be a number", ImportUsage);

  BatchUi ui;
  Job job(ui);
  if (!StartJob(job, a.home)) return ExitError;
  // The home's artwork file is the toolbox's artwork from one command to the next.
  job.flags.ArtworkPresent = HasArtworkRecords(job.paths.ArtFileName);
  UiDxfStatus status(ui);
  const std::string& file = a.positional[0];
  ImportResult result = ImportArtwork(job, file, options, {{}, &status}, options.CBReplace);
  for (const std::string& line : status.messages) std::fprintf(stderr, "%s\n", line.c_str());
  if (int failed = Failure(result, job, file)) return failed;
  std::printf("%ld\n", CountArtworkRecords(job.paths.ArtFileName));
  return ExitOk;
}

}  // namespace quill::cli
