#include "project/project_commands.h"

#include <filesystem>

#include "job/job.h"
#include "project/project_reader.h"
#include "project/project_writer.h"
#include "project/recent_projects.h"
#include "ui/ui.h"

namespace quill {

bool ReadDefaultProject(Job& job, const std::string& path) {
  job.flags.ArtworkPresent = false;
  job.flags.TextPathGenerated = false;
  job.flags.ToolPathCreated = false;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  return ReadProject(job, path) == ProjectRead::Read;
}

bool SaveProject(Job& job) {
  if (job.paths.ProjectFile.empty() || !WriteProject(job, job.paths.ProjectFile)) return false;
  AddRecentProject(job.prefs.RecentProjects, job.paths.ProjectFile);
  job.flags.ProjectModified = false;
  return true;
}

bool SaveProjectAs(Job& job, const std::string& path) {
  job.paths.ProjectFile = path;
  return SaveProject(job);
}

bool ConfirmDiscard(Job& job, const std::function<bool()>& save) {
  if (!job.flags.ProjectModified) return true;
  Answer a = job.ui.Show({"File Has Been Modified, Save ?", MsgKind::Confirmation, BtnYesNoCancel, Answer::Yes, 0, {}});
  if (a == Answer::Yes) return save();
  return a == Answer::No;
}

}  // namespace quill
