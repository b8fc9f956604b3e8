// Child processes for the tests that kill a program in the middle of its work or watch its memory: a
// program or a piece of the test run in a child, under a file-size limit if asked, and the test waits
// for it, kills it, or watches its files while it runs.
#pragma once

#include <sys/types.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quill::test {

class TempDir;

struct ChildLimits {
  // Files the child writes stop at this size (0: no limit).  The child is then killed by SIGXFSZ at
  // the write that crosses it, unless writesFail: its writes then fail as on a full disk.
  unsigned long fileBytes = 0;
  bool writesFail = false;
};

struct ChildEnd {
  int exitCode = -1;   // -1 when killed by a signal
  int signal = 0;      // the signal that ended it
  long maxRssKb = 0;   // the most memory it held at once
  std::string err;     // its standard error (programs only)
};

class ChildProcess {
 public:
  // Runs argv[0] (a path) in cwd (empty: current) with extra environment entries ("NAME=value").
  static ChildProcess Start(const std::vector<std::string>& argv, const std::string& cwd = "",
                            const std::vector<std::string>& env = {}, ChildLimits limits = {});
  // Runs work in a copy of this process, which ends when work returns.
  static ChildProcess Fork(const std::function<void()>& work, ChildLimits limits = {});

  ChildProcess(ChildProcess&&) noexcept;
  ~ChildProcess();  // a child still running is killed

  pid_t Pid() const { return pid_; }
  bool Running();
  void Kill(int signal);
  ChildEnd Wait();

 private:
  ChildProcess() = default;

  pid_t pid_ = -1;
  std::unique_ptr<TempDir> io_;
};

// Polls every millisecond, up to timeoutMs, until ready() holds; false when it never did.
bool WaitUntil(const std::function<bool()>& ready, int timeoutMs);

// The files of a folder whose names start with prefix (the temporary files of an atomic replace).
std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix);

}  // namespace quill::test
