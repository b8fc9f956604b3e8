#include "fonts/font_commands.h"

namespace quill {

namespace {

std::string WithLastCharacter(const std::string& path, char last) {
  std::string name = path.substr(path.find_last_of("/\\") + 1);
  if (!name.empty()) name.back() = last;
  return name;
}

}  // namespace

std::string ProposedFontName(const std::string& sourcePath) {
  return WithLastCharacter(sourcePath, 'F');
}

std::string ProposedSourceName(const std::string& fontPath) {
  return WithLastCharacter(fontPath, 'S');
}

}  // namespace quill
