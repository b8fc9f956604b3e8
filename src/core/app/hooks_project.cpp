#include "app/stages.h"
#include "job/job.h"
#include "project/preferences_file.h"
#include "project/project_commands.h"
#include "project/project_reader.h"
#include "project/recent_projects.h"

namespace quill {

bool LoadDefaultProject(Job& job) {
  return ReadDefaultProject(job);
}

StageStatus ReadProjectFile(Job& job, const std::string& path) {
  return ReadProject(job, path) == ProjectRead::Read ? StageStatus::Done : StageStatus::Failed;
}

void AddRecentProject(Job& job, const std::string& path) {
  AddRecentProject(job.prefs.RecentProjects, path);
}

void ReadStartupPreferences(Job& job) {
  ReadRecentSection(job);
  ReadSolidViewer(job);
  ReadPreferences(job);
}

void WriteClosingPreferences(Job& job) {
  WritePreferences(job);
}

void WriteRecentProjects(Job& job) {
  WriteRecentSection(job);
}

}  // namespace quill
