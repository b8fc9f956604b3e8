// Helpers shared by the tests: temporary folders, whole-file reads and writes, running executables.
#pragma once

#include <string>
#include <vector>

namespace quill::test {

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);
bool FileExists(const std::string& path);
// The file's lines, each without its line ending.
std::vector<std::string> ReadLines(const std::string& path);

// Keeps the files this process writes below a size while it lives, the way a full disk stops a write
// (and unlike folder permissions, it binds root too).  Writes past it fail with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(unsigned long bytes);
  ~FileSizeLimit();
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  unsigned long oldSoft_ = 0;
  void (*oldHandler_)(int) = nullptr;
};

std::string SourceDir();  // the project's source folder
std::string BinaryDir();  // the build folder (executables at its top)

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// This process's environment with the extra entries ("NAME=value") replacing those of the same name.
std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra);

// Runs argv[0] (a path) with the arguments in folder cwd (empty: current) and extra environment
// entries ("NAME=value"); collects standard output and error.
RunResult RunProgram(const std::vector<std::string>& argv, const std::string& cwd = "",
              const std::vector<std::string>& env = {});

}  // namespace quill::test
