#include "child_process.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <thread>

#include "test_support.h"

namespace quill::test {

namespace {

// Only calls that are safe between fork and exec: the test may run threads of its own.
void ApplyLimits(const ChildLimits& limits) {
  if (limits.fileBytes == 0) return;
  rlimit limit{limits.fileBytes, limits.fileBytes};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  ::signal(SIGXFSZ, limits.writesFail ? SIG_IGN : SIG_DFL);
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
  std::vector<char*> out;
  for (auto& w : words) out.push_back(w.data());
  out.push_back(nullptr);
  return out;
}

}  // namespace

ChildProcess ChildProcess::Start(const std::vector<std::string>& argv, const std::string& cwd,
                                 const std::vector<std::string>& env, ChildLimits limits) {
  ChildProcess child;
  child.io_ = std::make_unique<TempDir>();
  const std::string errPath = child.io_->File("err");
  std::vector<std::string> words = argv, envWords = EnvironmentWith(env);
  std::vector<char*> args = Pointers(words), envp = Pointers(envWords);
  child.pid_ = ::fork();
  if (child.pid_ == 0) {
    ApplyLimits(limits);
    int in = ::open("/dev/null", O_RDONLY);
    int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || err < 0 || ::dup2(in, 0) < 0 || ::dup2(err, 2) < 0 || ::dup2(in, 1) < 0) ::_exit(126);
    if (!cwd.empty() && ::chdir(cwd.c_str()) != 0) ::_exit(126);
    ::execve(args[0], args.data(), envp.data());
    ::_exit(127);
  }
  return child;
}

ChildProcess ChildProcess::Fork(const std::function<void()>& work, ChildLimits limits) {
  ChildProcess child;
  child.pid_ = ::fork();
  if (child.pid_ == 0) {
    ApplyLimits(limits);
    work();
    ::_exit(0);  // no test teardown, no exit handlers of the parent's
  }
  return child;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept : pid_(other.pid_), io_(std::move(other.io_)) {
  other.pid_ = -1;
}

ChildProcess::~ChildProcess() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  Wait();
}

bool ChildProcess::Running() {
  if (pid_ <= 0) return false;
  siginfo_t info{};  // a child that has not ended leaves si_pid 0; WNOWAIT keeps an ended one for Wait
  if (::waitid(P_PID, static_cast<id_t>(pid_), &info, WEXITED | WNOHANG | WNOWAIT) != 0) return false;
  return info.si_pid == 0;
}

void ChildProcess::Kill(int signal) {
  if (pid_ > 0) ::kill(pid_, signal);
}

ChildEnd ChildProcess::Wait() {
  ChildEnd end;
  if (pid_ <= 0) return end;
  int status = 0;
  rusage usage{};
  ::wait4(pid_, &status, 0, &usage);
  pid_ = -1;
  if (WIFEXITED(status)) end.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) end.signal = WTERMSIG(status);
  end.maxRssKb = usage.ru_maxrss;
  if (io_) end.err = ReadFile(io_->File("err"));
  return end;
}

bool WaitUntil(const std::function<bool()>& ready, int timeoutMs) {
  auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!ready()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

std::vector<std::string> FilesStartingWith(const std::string& folder, const std::string& prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
    std::string name = e.path().filename().string();
    if (name.rfind(prefix, 0) == 0) names.push_back(e.path().string());
  }
  return names;
}

}  // namespace quill::test
