// The four recent projects of the File menu and the main window's caption, as data the window shows.
#pragma once

#include <array>
#include <string>

namespace quill {

class Job;

using RecentList = std::array<std::string, 4>;

// Puts path first; an equal entry (exact, case-sensitive) goes, the list keeps four entries.
void AddRecentProject(RecentList& list, const std::string& path);

struct RecentMenuItem {
  std::string caption;  // "&1 " + entry ...
  bool visible;         // only entries that name a project
};

struct RecentMenu {
  std::array<RecentMenuItem, 4> items;
  bool separatorVisible;  // above the entries, shown when the first entry names a project
};

RecentMenu RecentMenuOf(const RecentList& list);

// "QUILLMARK PRO-2008 -- " followed by the project path.
std::string MainWindowCaption(const Job& job);

}  // namespace quill
