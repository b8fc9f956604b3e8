#include "app/merge/merge_batch.h"

#include <filesystem>

#include "app/file_names.h"
#include "job/job.h"
#include "nc/check/check_written.h"
#include "nc/nc_generator.h"
#include "toolpath/toolpath_dialog.h"

namespace fs = std::filesystem;

namespace quill {

namespace {

void Note(BatchReport& report, StageStatus status) {
  report.failed |= status == StageStatus::Failed;
}

// The tool path dialog as the unattended run shows it once a row's text path exists.
ToolPathOptions RowToolPath(const Job& job) {
  JobFlags flags = job.flags;
  flags.TextPathGenerated = true;
  ToolPathOptions options;
  options.source = DefaultSource(flags, options.source);
  return options;
}

StageStatus MergeStage(Job& job, const ExtendedRun& run, NcGenerator& generator, const std::string& ncFile) {
  MergeData data;
  if (!PrepareMergeRows(job, run.merge, data)) return StageStatus::Failed;
  MergeStages stages;
  stages.toolPath = RowToolPath(job);
  if (!run.merge.perRowColumn.empty()) stages.rowFinished = PostEachRow(generator, ncFile, run.check);
  MergeOutcome outcome = RunMerge(job, run.merge, data, stages);
  return outcome.complete && outcome.problems.empty() ? StageStatus::Done : StageStatus::Failed;
}

StageStatus SerialStage(Job& job, const ExtendedRun& run) {
  EngravingSettings& s = job.settings;
  s.SNUMSTART = run.serial.start;
  s.SNUMEND = run.serial.end;
  if (!run.serial.increment.empty()) s.SNUMINC = run.serial.increment;
  SerialRunOptions options;
  options.insertComment = run.merge.insertComment;
  options.betweenNumbers = run.merge.betweenRows;
  bool made = RunSerialNumbers(job, options, RowToolPath(job), GenerateSerialTextPath);
  return made ? StageStatus::Done : StageStatus::Failed;
}

// The NC-code generator as the unattended run shows it: the project's machine, else the default one.
void ShowGenerator(NcGenerator& generator, const std::string& ncFile) {
  generator.Load();
  generator.SetNcFileName(ncFile);
  generator.Show();
}

void CheckAfterWriting(Job& job, BatchReport& report, const std::string& ncFile, const std::string& machine) {
  std::error_code ec;
  if (!fs::exists(ncFile, ec)) return;  // its stage has said why it was not written
  if (!CheckWrittenProgram(job, ncFile, machine, job.paths.CLFileName)) report.failed = true;
}

}  // namespace

RowFinished PostEachRow(NcGenerator& generator, const std::string& ncFile, bool check) {
  const fs::path named(ncFile);
  const std::string folder = named.has_parent_path() ? named.parent_path().string() + "/" : std::string();
  const std::string extension = UpperExtension(ncFile).empty() ? "TAP" : named.extension().string().substr(1);
  return [&generator, folder, extension, check](Job& job, const MergeRow& row) {
    const std::string nc = folder + row.fileStem + "." + extension;
    generator.SetNcFileName(nc);
    if (!generator.Start()) return false;
    // A finding is reported and the file kept: the operator decides what to cut.
    if (check) CheckWrittenProgram(job, nc, generator.Machine(), generator.clFile);
    return true;
  };
}

BatchReport RunExtendedBatch(Job& job, const ExtendedRun& run) {
  const std::string ncFile = run.batch.ncFile.empty() ? ForceExtension(job.paths.ProjectFile, "TAP") : run.batch.ncFile;
  if (run.kind == RunKind::Plain) {
    BatchReport report = RunBatch(job, run.batch);
    if (run.check) {
      NcGenerator generator(job);
      ShowGenerator(generator, ncFile);
      CheckAfterWriting(job, report, ncFile, generator.Machine());
    }
    return report;
  }
  BatchReport report;
  if (!run.batch.machine.empty()) job.paths.MachineName = run.batch.machine;
  NcGenerator generator(job);
  ShowGenerator(generator, ncFile);
  const bool merge = run.kind == RunKind::Merge;
  Note(report, merge ? MergeStage(job, run, generator, ncFile) : SerialStage(job, run));
  const bool perRow = merge && !run.merge.perRowColumn.empty();
  if (!perRow && job.flags.ToolPathCreated) {
    generator.SetNcFileName(ncFile);
    Note(report, generator.Start() ? StageStatus::Done : StageStatus::Failed);
    if (run.check) CheckAfterWriting(job, report, ncFile, generator.Machine());
  }
  Note(report, RunMetafileStage(job));
  return report;
}

}  // namespace quill
