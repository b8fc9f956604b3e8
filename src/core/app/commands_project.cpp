#include "app/commands_project.h"

#include "app/startup.h"
#include "job/job.h"

namespace quill {

namespace {

void LoadProject(Job& job, const std::string& path) {
  NewJob(job);
  job.paths.ProjectFile = path;
  ReadProjectFile(job, path);
}

}  // namespace

void OpenProjectFile(Job& job, const std::string& path) {
  LoadProject(job, path);
  AddRecentProject(job, path);
  ClearPicture(job);
  ViewJobExtents(job);
}

bool OpenRecentProject(Job& job, int k) {
  if (k < 0 || k >= static_cast<int>(job.prefs.RecentProjects.size())) return false;
  std::string path = job.prefs.RecentProjects[k];  // a copy: reading the project may not touch the list
  if (path.empty()) return false;
  LoadProject(job, path);
  ViewJobExtents(job);
  return true;
}

}  // namespace quill
