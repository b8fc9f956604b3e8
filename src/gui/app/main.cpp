// quillpro2008: the desktop program, or with -r / -R the unattended run without any display.
#include <QApplication>
#include <string>
#include <vector>

#include "app/program.h"
#include "shell/desktop_program.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  for (const auto& a : args) {
    if (a == "-r" || a == "-R") return quill::RunHeadlessProgram(args);
  }
  QApplication app(argc, argv);
  return quill::RunDesktopProgram(app, args);
}
