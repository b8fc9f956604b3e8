#include "project/recent_projects.h"

#include <algorithm>
#include <vector>

#include "job/job.h"

namespace quill {

void AddRecentProject(RecentList& list, const std::string& path) {
  std::vector<std::string> entries(list.begin(), list.end() - 1);  // the last entry would drop off anyway
  std::erase(entries, path);
  entries.resize(list.size() - 1);
  entries.insert(entries.begin(), path);
  std::copy(entries.begin(), entries.end(), list.begin());
}

RecentMenu RecentMenuOf(const RecentList& list) {
  RecentMenu menu{};
  for (size_t k = 0; k < list.size(); ++k) {
    menu.items[k] = {"&" + std::to_string(k + 1) + " " + list[k], !list[k].empty()};
  }
  menu.separatorVisible = !list[0].empty();
  return menu;
}

std::string MainWindowCaption(const Job& job) {
  return "QUILLMARK PRO-2008 -- " + job.paths.ProjectFile;
}

}  // namespace quill
