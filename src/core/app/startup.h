// The program's life: start-up, the command line, the unattended run and the close.  The windows call
// these in the same order the unattended run does.
#pragma once

#include <string>
#include <vector>

#include "app/stages.h"

namespace quill {

class Job;

// Gives every global its initial value, builds the work-file paths in the home and deletes the
// cutter-location file (a tool path never survives a restart).
void InitGlobals(Job& job, const std::string& exeDir, const std::string& dataDir);

// What the main window's creation does apart from its widgets: recent projects and preferences read,
// the view reset.
void CreateMainWindowState(Job& job);

// The editor's text kept between runs (QUILLDEF.TXT): loaded at start-up, saved at a normal exit.
void LoadEditorText(Job& job);
void SaveEditorText(Job& job);

// Reads the arguments in order: existing .QLM files are loaded (the last wins), existing .DXF files
// imported (through dxfWindows when there is a screen), "-r" or "-R" anywhere asks for the unattended
// run; anything else is ignored.
void ProcessCommandLine(Job& job, const std::vector<std::string>& args, const DxfImportWindows* dxfWindows = nullptr);

// The common reset of New, Open and command-line loading.
void NewJob(Job& job);

// Overrides of the unattended run (quill run --nc, --machine, and the tool path's choices).
struct BatchOptions {
  std::string ncFile;        // empty: the project's path with the extension TAP
  std::string machine;       // empty: the project's machine, else the default machine
  ToolPathChoices toolPath;  // the tool path dialog's defaults unless chosen
};

struct BatchReport {
  bool failed = false;  // a stage reported an error
};

// The unattended run: text path, tool path, NC code, picture.
BatchReport RunBatch(Job& job, const BatchOptions& options = {});

// The main window's close (preferences written, work files deleted) and destruction (recent projects
// written, except in an unattended run).
void CloseMainWindow(Job& job);
void DestroyMainWindow(Job& job);

}  // namespace quill
