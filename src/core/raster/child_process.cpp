#include "raster/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "ui/ui.h"

extern char** environ;

namespace quill {

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kKeptOutput = 8192;

// The spawn's file actions and attributes, released on every way out.
struct SpawnSetup {
  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  SpawnSetup() {
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
  }
};

// A program named by a relative path is found from the current folder, before the child moves to its
// working folder.
std::string ProgramPath(const std::string& program) {
  if (program.find('/') == std::string::npos || program[0] == '/') return program;
  std::error_code ec;
  std::string abs = std::filesystem::absolute(program, ec).string();
  return ec ? program : abs;
}

class Child {
 public:
  Child(Ui& ui, const ChildRun& run) : ui_(ui), run_(run) {}

  ChildResult Run() {
    if (!Start()) return result_;
    auto deadline = Clock::now() + std::chrono::seconds(run_.timeoutSeconds);
    while (!(eof_ && reaped_)) {
      if (!eof_) {
        ReadSome();
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      if (!reaped_) Reap(WNOHANG);
      ui_.Pump();
      if (reaped_) continue;
      if (stopWanted_ || ui_.CancelRequested()) return Stop(ChildResult::Cancelled);
      if (run_.timeoutSeconds > 0 && Clock::now() > deadline) return Stop(ChildResult::TimedOut);
    }
    Flush();
    return result_;
  }

  ~Child() {
    if (fd_ >= 0) ::close(fd_);
  }

 private:
  bool Start() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
      result_.error = errno;
      return false;
    }
    SpawnSetup setup;
    posix_spawn_file_actions_addopen(&setup.actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&setup.actions, fds[1], 1);
    posix_spawn_file_actions_adddup2(&setup.actions, fds[1], 2);
    if (!run_.folder.empty()) posix_spawn_file_actions_addchdir_np(&setup.actions, run_.folder.c_str());
    // A group of its own, so stopping it stops whatever it started too.
    posix_spawnattr_setflags(&setup.attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&setup.attributes, 0);

    std::vector<std::string> words = run_.argv;
    words[0] = ProgramPath(words[0]);
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    bool search = words[0].find('/') == std::string::npos;
    int err = search ? posix_spawnp(&pid_, words[0].c_str(), &setup.actions, &setup.attributes, argv.data(), environ)
                     : posix_spawn(&pid_, words[0].c_str(), &setup.actions, &setup.attributes, argv.data(), environ);
    ::close(fds[1]);
    fd_ = fds[0];
    if (err != 0) {
      result_.error = err;
      return false;
    }
    result_.status = ChildResult::Finished;
    return true;
  }

  void ReadSome() {
    pollfd p{fd_, POLLIN, 0};
    if (::poll(&p, 1, 50) <= 0) return;
    char buffer[4096];
    ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
    if (n <= 0) {
      eof_ = true;
      return;
    }
    for (ssize_t i = 0; i < n; ++i) Take(buffer[i]);
  }

  void Take(char c) {
    result_.output += c;
    if (result_.output.size() > 2 * kKeptOutput) result_.output.erase(0, result_.output.size() - kKeptOutput);
    if (c == '\n' || c == '\r') {
      Flush();
    } else if (line_.size() < kKeptOutput) {
      line_ += c;
    }
  }

  void Flush() {
    if (line_.empty()) return;
    if (run_.onLine && !run_.onLine(line_)) stopWanted_ = true;
    line_.clear();
  }

  void Reap(int flags) {
    int status = 0;
    pid_t got;
    do {
      got = ::waitpid(pid_, &status, flags);
    } while (got < 0 && errno == EINTR);
    if (got != pid_) return;
    reaped_ = true;
    if (WIFEXITED(status)) {
      result_.exitCode = WEXITSTATUS(status);
    } else {
      result_.status = ChildResult::Killed;
      result_.exitCode = WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
    }
  }

  ChildResult Stop(ChildResult::Status why) {
    ::kill(-pid_, SIGTERM);
    auto grace = Clock::now() + std::chrono::seconds(2);
    while (!reaped_ && Clock::now() < grace) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      Reap(WNOHANG);
    }
    if (!reaped_) {
      ::kill(-pid_, SIGKILL);
      Reap(0);
    }
    result_.status = why;
    return result_;
  }

  Ui& ui_;
  const ChildRun& run_;
  ChildResult result_;
  pid_t pid_ = -1;
  int fd_ = -1;
  bool eof_ = false, reaped_ = false, stopWanted_ = false;
  std::string line_;
};

}  // namespace

ChildResult RunChild(Ui& ui, const ChildRun& run) {
  if (run.argv.empty() || run.argv[0].empty()) {
    ChildResult r;
    r.error = ENOENT;
    return r;
  }
  Child child(ui, run);
  return child.Run();
}

int ProgressPercent(const std::string& line) {
  const std::string key = "Progress:";
  size_t at = line.find(key);
  if (at == std::string::npos) return -1;
  double v = 0;
  if (std::sscanf(line.c_str() + at + key.size(), " %lf", &v) != 1 || !(v >= 0)) return -1;
  return v > 100 ? 100 : static_cast<int>(v);
}

ChildResult RunWithProgress(Ui& ui, ChildRun run, const std::string& title) {
  run.onLine = [&ui](const std::string& line) {
    int percent = ProgressPercent(line);
    return percent < 0 || ui.ProgressStep(percent);
  };
  ui.ProgressBegin(title, 100);
  ChildResult r = RunChild(ui, run);
  ui.ProgressEnd();
  return r;
}

std::string TailLines(const std::string& output, int maxLines) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : output + "\n") {
    if (c != '\n' && c != '\r') {
      line += c;
    } else if (!line.empty()) {
      lines.push_back(line);
      line.clear();
    }
  }
  std::string out;
  size_t first = lines.size() > static_cast<size_t>(maxLines) ? lines.size() - static_cast<size_t>(maxLines) : 0;
  for (size_t i = first; i < lines.size(); ++i) out += (out.empty() ? "" : "\n") + lines[i];
  return out;
}

}  // namespace quill
