#include "app/home_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quill {

namespace {

constexpr size_t kNoteLimit = 200;

// This process's command line with the program's folder left off: "quill run JOB.QLM".
std::string OwnCommandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string first = raw.substr(0, raw.find('\0'));
  std::string line = first.substr(first.rfind('/') + 1) + raw.substr(first.size());
  while (!line.empty() && line.back() == '\0') line.pop_back();
  if (line.size() > kNoteLimit) line.resize(kNoteLimit);
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < ' ') c = ' ';
  }
  return line;
}

// What a holder wrote into the lock file, as the second program names it.
std::string HolderFromNote(int fd) {
  char buffer[kNoteLimit + 32];
  ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
  std::string note(buffer, n > 0 ? static_cast<size_t>(n) : 0);
  while (!note.empty() && (note.back() == '\n' || note.back() == '\r')) note.pop_back();
  size_t blank = note.find(' ');
  std::string pid = note.substr(0, blank);
  if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) return "another program";
  std::string command = blank == std::string::npos ? "" : note.substr(blank + 1);
  return "process " + pid + (command.empty() ? "" : " (" + command + ")");
}

bool WriteNote(int fd, const std::string& note) {
  if (::ftruncate(fd, 0) != 0) return false;
  return note.empty() || ::pwrite(fd, note.data(), note.size(), 0) == static_cast<ssize_t>(note.size());
}

bool LocksUnsupported(int error) {
  return error == ENOLCK || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS;
}

}  // namespace

HomeLock::HomeLock(const std::string& homeDir) {
  const std::string path = homeDir + HomeLockFileName;
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) {
    error_ = "Cannot make the lock file " + path + ": " + std::strerror(errno);
    return;
  }
  if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    state_ = State::Held;
    // The note only names the holder; one that cannot be written leaves "another program".
    [[maybe_unused]] bool noted = WriteNote(fd_, std::to_string(::getpid()) + " " + OwnCommandLine() + "\n");
    return;
  }
  int error = errno;
  if (error == EWOULDBLOCK) {
    state_ = State::InUse;
    holder_ = HolderFromNote(fd_);
  } else if (LocksUnsupported(error)) {
    state_ = State::NotLockable;
  } else {
    error_ = "Cannot lock the program folder " + homeDir + ": " + std::strerror(error);
  }
  ::close(fd_);
  fd_ = -1;
}

HomeLock::~HomeLock() { Release(); }

HomeLock::HomeLock(HomeLock&& other) noexcept
    : fd_(other.fd_), state_(other.state_), holder_(std::move(other.holder_)), error_(std::move(other.error_)) {
  other.fd_ = -1;
  other.state_ = State::Failed;
}

HomeLock& HomeLock::operator=(HomeLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = other.fd_;
    state_ = other.state_;
    holder_ = std::move(other.holder_);
    error_ = std::move(other.error_);
    other.fd_ = -1;
    other.state_ = State::Failed;
  }
  return *this;
}

void HomeLock::Release() {
  if (fd_ < 0) return;
  // The note goes first, so that nobody is named as holder of a free home; the file itself stays,
  // since removing it could let two programs lock two different files of the same name.
  [[maybe_unused]] bool cleared = WriteNote(fd_, "");
  ::close(fd_);
  fd_ = -1;
}

std::string HomeInUseText(const std::string& homeDir, const std::string& holder) {
  return "The program folder " + homeDir + " is in use by " + holder + ".";
}

}  // namespace quill
