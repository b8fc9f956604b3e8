// The File menu's project commands as far as they are the program's logic: the default project, Save,
// Save As and the question before a job is discarded.  The windows add the file choosers.
#pragma once

#include <functional>
#include <string>

namespace quill {

class Job;

// Looked for in the current working folder.
inline constexpr const char* DefaultProjectName = "DEFAULT.QLM";

// Clears ArtworkPresent, TextPathGenerated and ToolPathCreated, then reads the default project when it
// exists.  True when one was read.
bool ReadDefaultProject(Job& job, const std::string& path = DefaultProjectName);

// Save: writes the project to ProjectFile; on success it goes first in the recent list and the
// project counts as saved.  A failed write leaves ProjectModified set.  False without a project name
// (the window then offers Save As) or when the write failed.
bool SaveProject(Job& job);
// Save As once the chooser gave a path: the path becomes ProjectFile, then as Save.
bool SaveProjectAs(Job& job, const std::string& path);

// "File Has Been Modified, Save ?" when the project is modified.  Yes runs save (the window's Save
// command) and goes on only when it succeeded, so a failed or cancelled save never discards the job;
// No goes on; Cancel stops.  True when the caller may go on.
bool ConfirmDiscard(Job& job, const std::function<bool()>& save);

}  // namespace quill
