#include "records/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace quill {

namespace {

// The permissions the new file gets: the old file's, else what a new file gets under the umask
// (mkstemp makes the file private).
mode_t ModeFor(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A rename is only durable once the folder that holds the name is synced.  Some file systems cannot
// sync a folder; the file is then in place all the same.
void SyncFolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool CopyBytes(int from, int to) {
  for (;;) {
    ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
    if (n == 0) return true;
    if (n > 0) continue;
    if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) return false;
    // No in-kernel copy between these files: plain reads and writes.
    char buffer[1 << 16];
    for (;;) {
      ssize_t got = ::read(from, buffer, sizeof buffer);
      if (got == 0) return true;
      if (got < 0 || ::write(to, buffer, static_cast<size_t>(got)) != got) return false;
    }
  }
}

}  // namespace

AtomicFile::AtomicFile(const std::string& path, Start start) : path_(path) {
  temp_ = path + TemporarySuffix + "XXXXXX";
  int fd = ::mkostemp(temp_.data(), O_CLOEXEC);
  if (fd < 0) {
    temp_.clear();
    return;
  }
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    ::unlink(temp_.c_str());
    temp_.clear();
    return;
  }
  std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
  if (start == Start::OldContent && !CopyOldContent()) failed_ = true;
}

AtomicFile::~AtomicFile() {
  if (file_) std::fclose(file_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool AtomicFile::CopyOldContent() {
  int old = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
  if (old < 0) return errno == ENOENT;  // nothing to start from
  bool copied = CopyBytes(old, ::fileno(file_));
  ::close(old);
  return copied && std::fseek(file_, 0, SEEK_END) == 0;
}

void AtomicFile::Write(std::string_view text) {
  if (!file_) return;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

bool AtomicFile::Commit() {
  if (!file_) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && ::fchmod(::fileno(file_), ModeFor(path_)) == 0 &&
            ::fsync(::fileno(file_)) == 0;
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  if (!ok || std::rename(temp_.c_str(), path_.c_str()) != 0) return false;
  temp_.clear();
  SyncFolderOf(path_);
  return true;
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
  AtomicFile f(path);
  f.Write(content);
  return f.Commit();
}

}  // namespace quill
