#include "app/home.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace quill {

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

namespace {

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return v && *v ? std::string(v) : fallback;
}

std::string UserHome() { return EnvOr("HOME", "/tmp"); }

bool Writable(const std::string& dir) { return ::access(dir.c_str(), W_OK | X_OK) == 0; }

HomeChoice Prepare(const std::string& dir) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (!fs::is_directory(dir, ec)) return {"", "Cannot create the program folder " + dir};
  if (!Writable(dir)) return {"", "Cannot write to the program folder " + dir};
  std::string abs = fs::absolute(dir, ec).lexically_normal().string();
  return {WithSeparator(ec ? dir : abs), ""};
}

}  // namespace

HomeChoice ChooseHome(const std::string& homeOption, const std::string& exeDir) {
  if (!homeOption.empty()) return Prepare(homeOption);
  std::string env = EnvOr("QUILLMARK_HOME", "");
  if (!env.empty()) return Prepare(env);
  if (!exeDir.empty() && Writable(exeDir)) return {WithSeparator(exeDir), ""};
  return Prepare(EnvOr("XDG_DATA_HOME", UserHome() + "/.local/share") + "/quillmark");
}

std::string ExecutableDir() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) return WithSeparator(fs::current_path(ec).string());
  return WithSeparator(exe.parent_path().string());
}

std::string FindDataDir(const std::string& exeDir) {
  std::error_code ec;
  const std::string candidates[] = {exeDir + "data/", exeDir + "../share/quillmark/",
#ifdef QUILL_INSTALLED_DATA_DIR
                                    WithSeparator(QUILL_INSTALLED_DATA_DIR),
#endif
  };
  for (const auto& c : candidates) {
    if (fs::is_directory(c + "fonts", ec) || fs::is_directory(c + "machines", ec)) {
      return WithSeparator(fs::path(c).lexically_normal().string());
    }
  }
  return exeDir + "data/";
}

std::string UserPostsIniPath() {
  return EnvOr("XDG_CONFIG_HOME", UserHome() + "/.config") + "/quillmark/QPOSTS.INI";
}

}  // namespace quill
