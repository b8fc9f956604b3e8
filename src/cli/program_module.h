// The parts of the programs that need Qt (the desktop program's windows, the picture files of
// `quill render`) live in private shared modules, loaded only when used, so that an unattended run
// maps no Qt library at all.  A module exports one entry, `int ENTRY(int argc, char** argv)`, called
// like a main().
#pragma once

#include <string>
#include <vector>

namespace quill::cli {

// Where a module is looked for, in order: beside the executable (the build tree), then the installed
// modules' folder relative to it.
std::vector<std::string> ModuleCandidates(const std::string& exeDir, const std::string& module);

// Loads the module and calls its entry with argv (argv[0] the program's name).  A module that is
// missing or lacks its entry is reported on standard error, as program, and returns 1.
int RunProgramModule(const char* program, const std::string& module, const char* entry, int argc, char** argv);

// The same with words instead of a main()'s arguments.
int RunProgramModule(const char* program, const std::string& module, const char* entry,
                     const std::vector<std::string>& argv);

}  // namespace quill::cli
