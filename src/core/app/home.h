// Where the program keeps its work files (the program home) and finds its installed data.
#pragma once

#include <string>

namespace quill {

struct HomeChoice {
  std::string dir;    // with a trailing separator; empty on error
  std::string error;  // why no home could be used
};

// The home: the --home option, else $QUILLMARK_HOME, else the executable's folder when it is writable,
// else $XDG_DATA_HOME/quillmark/ (~/.local/share/quillmark/).  The folder is created when missing.
HomeChoice ChooseHome(const std::string& homeOption, const std::string& exeDir);

// The folder of the running executable, with a trailing separator.
std::string ExecutableDir();

// The installed data folder (fonts, machines, help): next to the executable in a build tree, or the
// share folder of an installation.  Trailing separator.
std::string FindDataDir(const std::string& exeDir);

// The user's machine definition file: $XDG_CONFIG_HOME/quillmark/QPOSTS.INI (~/.config/...).
std::string UserPostsIniPath();

// Adds a trailing separator when missing.
std::string WithSeparator(std::string dir);

}  // namespace quill
