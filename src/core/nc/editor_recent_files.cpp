#include "nc/editor_recent_files.h"

#include "job/paths.h"
#include "project/profile.h"

namespace quill {

namespace {

constexpr const char* Section = "Recent Files";

std::string Key(size_t i) {
  return "File" + std::to_string(i + 1);
}

}  // namespace

RecentList ReadEditorRecentFiles(const JobPaths& paths) {
  ProfileFile ini(paths.ExeDir + EditorRecentFile);
  RecentList list;
  for (size_t i = 0; i < list.size(); ++i) list[i] = ini.ReadString(Section, Key(i), "");
  return list;
}

bool WriteEditorRecentFiles(const JobPaths& paths, const RecentList& list) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < list.size(); ++i) values.emplace_back(Key(i), list[i]);
  return ProfileFile(paths.ExeDir + EditorRecentFile).WriteStrings(Section, values);
}

}  // namespace quill
