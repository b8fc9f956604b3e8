#include "records/atomic_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace quill {

AtomicFile::AtomicFile(const std::string& path) : path_(path) {
  temp_ = path + ".XXXXXX";
  int fd = ::mkstemp(temp_.data());
  if (fd < 0) {
    temp_.clear();
    return;
  }
  file_ = ::fdopen(fd, "wb");
  if (!file_) {
    ::close(fd);
    ::unlink(temp_.c_str());
    temp_.clear();
  }
}

AtomicFile::~AtomicFile() {
  if (file_) std::fclose(file_);
  if (!temp_.empty()) ::unlink(temp_.c_str());
}

void AtomicFile::Write(const std::string& text) {
  if (!file_) return;
  if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file_) != text.size()) failed_ = true;
}

bool AtomicFile::Commit() {
  if (!file_) return false;
  bool ok = !failed_ && std::fflush(file_) == 0 && ::fsync(::fileno(file_)) == 0;
  if (std::fclose(file_) != 0) ok = false;
  file_ = nullptr;
  // mkstemp makes the file private; a saved file gets the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temp_.c_str(), 0666 & ~mask);
  if (ok && std::rename(temp_.c_str(), path_.c_str()) == 0) {
    temp_.clear();
    return true;
  }
  return false;
}

bool WriteFileAtomically(const std::string& path, const std::string& content) {
  AtomicFile f(path);
  f.Write(content);
  return f.Commit();
}

}  // namespace quill
