// The points where the shell calls into the stages and stores.  Each is defined in a file of its own
// (stage_*.cpp, hooks_*.cpp) next to this header, so every stage plugs in without touching the others.
#pragma once

#include <string>

#include "toolpath/toolpath_choices.h"

namespace quill {

class Job;
struct DxfImportWindows;

enum class StageStatus {
  Done,    // the stage ran
  Failed,  // the stage ran and reported an error
};

// Project and preferences (hooks_project.cpp).
bool LoadDefaultProject(Job& job);  // DEFAULT.QLM from the current folder, when it exists
StageStatus ReadProjectFile(Job& job, const std::string& path);
void AddRecentProject(Job& job, const std::string& path);
void ReadStartupPreferences(Job& job);  // the main window's creation: MRU, SOLIDV/SOLIDPATH, preferences
void WriteClosingPreferences(Job& job);  // the main window's close
void WriteRecentProjects(Job& job);      // the main window's destruction

// Artwork named on the command line (hooks_import.cpp); windows: the DXF import windows, when there is
// a screen.
StageStatus ImportDxfArgument(Job& job, const std::string& path, const DxfImportWindows* windows = nullptr);

// The picture (hooks_view.cpp).
void ClearPicture(Job& job);
void ViewJobExtents(Job& job);

// The stages of the unattended run, in their order.
StageStatus RunTextPathStage(Job& job);                          // stage_textpath.cpp
StageStatus RunToolPathStage(Job& job, const ToolPathChoices& choices = {});  // stage_toolpath.cpp
StageStatus RunNcStage(Job& job, const std::string& ncFile);    // stage_nc.cpp
StageStatus RunMetafileStage(Job& job);                          // stage_metafile.cpp

}  // namespace quill
