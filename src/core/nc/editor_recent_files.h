// The NC editor's recent files, kept between runs in NCEDIT.INI in the program home.
#pragma once

#include "project/recent_projects.h"

namespace quill {

struct JobPaths;

inline constexpr const char* EditorRecentFile = "NCEDIT.INI";

// Missing entries read as empty.
RecentList ReadEditorRecentFiles(const JobPaths& paths);
// False when the file could not be written (the list is then simply not kept).
bool WriteEditorRecentFiles(const JobPaths& paths, const RecentList& list);

}  // namespace quill
