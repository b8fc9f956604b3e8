// quillpro2008: the desktop program, or with -r / -R the unattended run without any display.  The
// windows live in a module loaded only for the desktop program, so the unattended run maps no Qt.
#include <string>
#include <vector>

#include "app/program.h"
#include "program_module.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  bool unattended = false;
  for (const auto& a : args) unattended |= a == "-r" || a == "-R";
  // A build without windows has no module: its own run says how to start it.
  if (unattended || !QUILL_WITH_WINDOWS) return quill::RunHeadlessProgram(args);
  return quill::cli::RunProgramModule("quillpro2008", "quillpro2008-windows.so", "quill_desktop_main", argc, argv);
}
