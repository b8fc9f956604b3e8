// quillpro2008 without windows: the unattended run.
#include <string>
#include <vector>

#include "app/program.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return quill::RunHeadlessProgram(args);
}
