#include "app/stages.h"

namespace quill {

bool LoadDefaultProject(Job&) { return false; }
StageStatus ReadProjectFile(Job&, const std::string&) { return StageStatus::Missing; }
void AddRecentProject(Job&, const std::string&) {}
void ReadStartupPreferences(Job&) {}
void WriteClosingPreferences(Job&) {}
void WriteRecentProjects(Job&) {}

}  // namespace quill
