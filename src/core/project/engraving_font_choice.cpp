#include "project/engraving_font_choice.h"

#include <filesystem>

#include "job/job.h"
#include "ui/ui.h"

namespace quill {

namespace fs = std::filesystem;

std::string EngravingFontFolder(const JobPaths& paths) {
  return fs::path(FontPath(paths, paths.EngraveFontFile)).parent_path().string() + "/";
}

bool ChooseEngravingFont(Job& job, const std::string& chosenPath) {
  std::string name = fs::path(chosenPath).filename().string();
  std::error_code ec;
  fs::path found = FontPath(job.paths, name);
  if (!fs::equivalent(found, chosenPath, ec)) {
    fs::path home = fs::path(job.paths.FontDir) / name;
    if (fs::exists(home, ec)) {
      job.ui.Warn("A different font named " + name + " is already in " + job.paths.FontDir);
      return false;
    }
    if (!fs::copy_file(chosenPath, home, ec)) {
      job.ui.Warn("Cannot copy " + chosenPath + " to " + job.paths.FontDir);
      return false;
    }
  }
  job.paths.EngraveFontFile = name;
  return true;
}

}  // namespace quill
