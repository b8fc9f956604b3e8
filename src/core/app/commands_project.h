// The File menu's ways of opening a project: Open (once its chooser gave a path) and the four recent
// projects.  A file that does not open as a project is reported and changes nothing: it never becomes
// the project, so a later Save cannot write over it.
#pragma once

#include <string>

namespace quill {

class Job;

// The job reset, the project read and named, put first in the recent list, the picture cleared and
// framed by the job's extents.  False when the file is no project.
bool OpenProjectFile(Job& job, const std::string& path);

// Recent entry k (0 to 3): an empty entry does nothing; otherwise as Open, except that the recent list
// keeps its order.  False when nothing was opened.
bool OpenRecentProject(Job& job, int k);

}  // namespace quill
