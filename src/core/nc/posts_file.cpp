#include "nc/posts_file.h"

#include <filesystem>
#include <system_error>

#include "job/paths.h"

namespace quill {

namespace fs = std::filesystem;

std::string PostsFileToRead(const JobPaths& paths) {
  std::error_code ec;
  if (!paths.PostsIniFile.empty() && fs::exists(paths.PostsIniFile, ec)) return paths.PostsIniFile;
  return paths.BundledPostsIni;
}

std::string PrepareUserPostsFile(const JobPaths& paths) {
  if (paths.PostsIniFile.empty()) return {};
  std::error_code ec;
  const fs::path user(paths.PostsIniFile);
  if (fs::exists(user, ec)) return paths.PostsIniFile;
  if (user.has_parent_path()) fs::create_directories(user.parent_path(), ec);
  if (!paths.BundledPostsIni.empty() && fs::exists(paths.BundledPostsIni, ec)) {
    fs::copy_file(paths.BundledPostsIni, user, ec);
    if (ec) return {};
  }
  return paths.PostsIniFile;
}

}  // namespace quill
