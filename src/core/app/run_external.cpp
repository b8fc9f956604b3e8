#include "app/run_external.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "ui/ui.h"

extern char** environ;

namespace quill {

namespace {

constexpr int Started = 33;

int ShellCode(int err) {
  switch (err) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EACCES:
    case EPERM: return 5;
    case ENOMEM: return 8;
    case ENOEXEC: return 11;
    default: return 31;
  }
}

int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder) {
  std::vector<std::string> words;
  words.push_back(program);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  pid_t pid;
  int err = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  // The program runs on its own; a waiter collects it when it ends, so no finished verifier or viewer
  // lingers in the process table while the program stays open.
  if (err == 0) {
    std::thread([pid] {
      while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  }
  return err;
}

bool IsProgram(const std::string& file) {
  struct stat st;
  return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(file.c_str(), X_OK) == 0;
}

}  // namespace

int RunExternal(Ui& ui, const std::string& file, const std::vector<std::string>& args, const std::string& folder) {
  int code = Started;
  struct stat st;
  if (!folder.empty() && (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
    code = 3;
  } else if (file.empty()) {
    code = 2;
  } else {
    bool document = file.find('/') != std::string::npos && ::stat(file.c_str(), &st) == 0 && !IsProgram(file);
    std::vector<std::string> docArgs{file};
    docArgs.insert(docArgs.end(), args.begin(), args.end());
    int err = document ? Spawn("xdg-open", docArgs, folder) : Spawn(file, args, folder);
    if (err != 0) code = document && err == ENOENT ? 31 : ShellCode(err);
  }
  ui.Pump();
  if (code <= 32) {
    ui.Show({"Cannot Execute (" + std::to_string(code) + ") [" + file + "]", MsgKind::Information, BtnOk, Answer::Ok,
             0, {}});
  }
  return code;
}

}  // namespace quill
