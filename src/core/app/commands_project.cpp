#include "app/commands_project.h"

#include "app/startup.h"
#include "job/job.h"
#include "project/project_reader.h"

namespace quill {

namespace {

bool LoadProject(Job& job, const std::string& path) {
  if (CheckProjectFile(job.ui, path) != ProjectRead::Read) return false;
  NewJob(job);
  job.paths.ProjectFile = path;
  ReadProjectFile(job, path);
  return true;
}

}  // namespace

bool OpenProjectFile(Job& job, const std::string& path) {
  if (!LoadProject(job, path)) return false;
  AddRecentProject(job, path);
  ClearPicture(job);
  ViewJobExtents(job);
  return true;
}

bool OpenRecentProject(Job& job, int k) {
  if (k < 0 || k >= static_cast<int>(job.prefs.RecentProjects.size())) return false;
  std::string path = job.prefs.RecentProjects[k];  // a copy: reading the project may not touch the list
  if (path.empty() || !LoadProject(job, path)) return false;
  ViewJobExtents(job);
  return true;
}

}  // namespace quill
