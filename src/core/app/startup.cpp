#include "app/startup.h"

#include <filesystem>

#include "app/file_names.h"
#include "job/job.h"
#include "mathlib/tolerance.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"
#include "ui/ui.h"

namespace fs = std::filesystem;

namespace quill {

namespace {

void RemoveIfPresent(const std::string& path) {
  std::error_code ec;
  fs::remove(path, ec);
}

bool IsFile(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

}  // namespace

void InitGlobals(Job& job, const std::string& exeDir, const std::string& dataDir) {
  job.settings = EngravingSettings{};
  job.surfacePoints = {};
  job.surfacePointCount = 0;
  job.toolNormalToSurface = false;
  job.toolOnTopOfSurface = true;
  job.flags = JobFlags{};
  job.view = ViewState{};
  job.paths = JobPaths{};
  job.specialChars.clear();
  job.zeroTolerance = 0.001;
  job.fontCurveTolerance = 0.001;
  job.toolPathTolerance = 0.01;
  TangencyTolerance = DefaultTangencyTolerance;
  BuildWorkFilePaths(job.paths, exeDir, dataDir);
  RemoveIfPresent(job.paths.CLFileName);
  job.prefs = Preferences{};
  job.paths.EngraveFontFile = "SIMPLEX.QXF";
  job.textDecimals = 5;
  job.artWorkshopOption = false;
}

void CreateMainWindowState(Job& job) {
  ReadStartupPreferences(job);
  ViewState& v = job.view;
  v.View3D = false;
  v.ViewWindow = {1000, 1000, -1000, -1000};
  v.Zmin = v.Zmax = 0;
  v.EyeX = -50;
  v.EyeY = -50;
  v.EyeZ = 50;
  v.ScrollX = v.ScrollY = 0;
  job.flags.TextPathGenerated = false;
}

void LoadEditorText(Job& job) {
  LineReader in(job.paths.DefaultsTextFile);
  if (!in.IsOpen()) return;
  job.text.clear();
  std::string line;
  while (in.Next(line)) job.text.push_back(line);
}

void SaveEditorText(Job& job) {
  if (job.flags.BatchRun) return;
  std::string content;
  for (const auto& line : job.text) content += line + "\r\n";
  WriteFileAtomically(job.paths.DefaultsTextFile, content);
}

void NewJob(Job& job) {
  LoadDefaultProject(job);
  ClearPicture(job);
  job.flags.TextPathGenerated = false;
  job.flags.ArtworkPresent = false;
  job.flags.ToolPathCreated = false;
}

void ProcessCommandLine(Job& job, const std::vector<std::string>& args, const DxfImportWindows* dxfWindows) {
  job.flags.BatchRun = false;
  for (const auto& arg : args) {
    if (IsFile(arg)) {
      std::string ext = UpperExtension(arg);
      if (ext == ".QLM") {
        NewJob(job);
        job.paths.ProjectFile = arg;
        ReadProjectFile(job, arg);
        AddRecentProject(job, arg);
        ClearPicture(job);
        ViewJobExtents(job);
      } else if (ext == ".DXF") {
        ImportDxfArgument(job, arg, dxfWindows);
      }
    }
    if (arg == "-r" || arg == "-R") job.flags.BatchRun = true;
  }
}

BatchReport RunBatch(Job& job, const BatchOptions& options) {
  BatchReport report;
  if (!options.machine.empty()) job.paths.MachineName = options.machine;
  auto note = [&report](StageStatus status) { report.failed |= status == StageStatus::Failed; };
  note(RunTextPathStage(job));
  note(RunToolPathStage(job, options.toolPath));
  std::string nc = options.ncFile.empty() ? ForceExtension(job.paths.ProjectFile, "TAP") : options.ncFile;
  note(RunNcStage(job, nc));
  note(RunMetafileStage(job));
  return report;
}

void CloseMainWindow(Job& job) {
  job.flags.DisplayIdle = false;
  WriteClosingPreferences(job);
  job.flags.TextPathGenerated = false;
  job.flags.ArtworkPresent = false;
  job.flags.ToolPathCreated = false;
  const JobPaths& p = job.paths;
  for (const auto* f : {&p.LineFile, &p.Line1File, &p.TextPathFileName, &p.ArcFitFile, &p.ArtFileName,
                        &p.ArtFile1Name, &p.ArtFile2Name}) {
    RemoveIfPresent(*f);
  }
}

void DestroyMainWindow(Job& job) {
  if (job.flags.BatchRun) return;
  WriteRecentProjects(job);
}

}  // namespace quill
