// Where QPOSTS.INI lives: the user's copy in the configuration folder, made from the bundled file the
// first time anything is written, so an unattended run never writes outside the home and the current folder.
#pragma once

#include <string>

namespace quill {

struct JobPaths;

// The file reads go to: the user's copy when it exists, else the bundled one.
std::string PostsFileToRead(const JobPaths& paths);

// Before the first write: creates the user's folder and copies the bundled file there when the user has
// no copy yet.  Returns the path writes go to (the user's copy); empty when it cannot be made.
std::string PrepareUserPostsFile(const JobPaths& paths);

}  // namespace quill
