// The desktop program as a module: quillpro2008 loads it when it is not asked for the unattended run,
// so that run never maps Qt.  The one exported symbol is the entry below.
#include <QApplication>
#include <string>
#include <vector>

#include "shell/desktop_program.h"

extern "C" __attribute__((visibility("default"))) int quill_desktop_main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  QApplication app(argc, argv);
  return quill::RunDesktopProgram(app, args);
}
