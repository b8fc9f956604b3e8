#include "test_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace fs = std::filesystem;

namespace quill::test {

TempDir::TempDir() {
  std::string tmpl = (fs::temp_directory_path() / "quilltest.XXXXXX").string();
  if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
  path_ = tmpl;
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

FileSizeLimit::FileSizeLimit(unsigned long bytes) {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  oldSoft_ = limit.rlim_cur;
  oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed test
  limit.rlim_cur = bytes;
  ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
  rlimit limit{};
  ::getrlimit(RLIMIT_FSIZE, &limit);
  limit.rlim_cur = oldSoft_;
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler_);
}

std::string TempDir::File(const std::string& name) const { return path_ + "/" + name; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << content;
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::string SourceDir() {
  const char* env = std::getenv("QUILL_SOURCE_DIR");
  return env && *env ? env : QUILL_SOURCE_DIR;
}

std::string BinaryDir() {
  const char* env = std::getenv("QUILL_BINARY_DIR");
  return env && *env ? env : QUILL_BINARY_DIR;
}

std::vector<std::string> EnvironmentWith(const std::vector<std::string>& extra) {
  auto nameOf = [](const std::string& w) { return w.substr(0, w.find('=')); };
  std::vector<std::string> words;
  for (char** e = environ; *e; ++e) {
    std::string word = *e;
    bool replaced = false;
    for (const auto& x : extra) replaced = replaced || nameOf(x) == nameOf(word);
    if (!replaced) words.push_back(word);
  }
  words.insert(words.end(), extra.begin(), extra.end());
  return words;
}

RunResult RunProgram(const std::vector<std::string>& argv, const std::string& cwd, const std::vector<std::string>& env) {
  RunResult r;
  // Output goes to files rather than pipes, so a chatty child can never block on a full pipe.
  TempDir io;
  std::string outPath = io.File("out"), errPath = io.File("err");
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&fa, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
  if (!cwd.empty()) posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());

  std::vector<std::string> words = argv;
  std::vector<char*> args;
  for (auto& w : words) args.push_back(w.data());
  args.push_back(nullptr);
  std::vector<std::string> envWords = EnvironmentWith(env);
  std::vector<char*> envp;
  for (auto& w : envWords) envp.push_back(w.data());
  envp.push_back(nullptr);

  pid_t pid;
  int err = posix_spawn(&pid, words[0].c_str(), &fa, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&fa);
  if (err != 0) {
    r.err = "spawn failed";
    return r;
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  r.out = ReadFile(outPath);
  r.err = ReadFile(errPath);
  return r;
}

}  // namespace quill::test
