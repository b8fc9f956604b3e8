// Starting the program without windows: for the unattended run and the toolbox.
#pragma once

#include <string>
#include <vector>

#include "app/home_access.h"
#include "app/startup.h"

namespace quill {

class Job;
class BatchUi;

// Takes "--home DIR" (or "--home=DIR") out of the arguments.
struct HomeArgs {
  std::string home;
  std::vector<std::string> rest;
  std::string error;  // a --home without its folder
};
HomeArgs TakeHomeOption(const std::vector<std::string>& args);

// Start-up of a job in the chosen home: the home's lock (held until the process ends), InitGlobals,
// the main window's state, the editor text.  On a home that cannot be used or that another program
// holds, reports why through the job's Ui and returns false (unless whenInUse offers read-only and
// the operator takes it).
bool StartJob(Job& job, const std::string& homeOption, HomeInUse whenInUse = HomeInUse::Refuse);

// The unattended run and the close of a started job; the exit status (0 all stages ran, 1 a stage
// or the project reader reported an error or a warning).  Stages this build lacks are named on standard error.
int FinishBatch(Job& job, BatchUi& ui, const BatchOptions& options);

// quillpro2008 without windows.  Exit status 0, 1 (an error), or 2 (bad usage).
int RunHeadlessProgram(const std::vector<std::string>& args);

}  // namespace quill
