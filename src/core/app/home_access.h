// Taking the program home for this process: its lock is held until the process ends.  When another
// program holds the home, the unattended run and the toolbox name it and stop; the desktop program may
// instead open read-only: its work files then go to a private folder of their own (removed when the
// process ends), seeded with the home's preferences and kept files, and nothing in the home is changed.
#pragma once

#include <string>

namespace quill {

class Ui;
struct JobPaths;

enum class HomeInUse {
  Refuse,       // name the holder and stop
  AskReadOnly,  // ask: open read-only (Yes) or quit (No)
};

// The folder the job's work files go to: homeDir itself, or the private folder of a read-only start.
// Empty when the program must stop; the reason has then been reported through ui.
std::string TakeHome(Ui& ui, const std::string& homeDir, HomeInUse whenInUse);

// After the work-file paths were built in a read-only start's private folder: fonts, the NC-code folder
// and the files the operator puts into the home are still taken from the home.
void ReadFromHeldHome(JobPaths& paths, const std::string& homeDir);

}  // namespace quill
