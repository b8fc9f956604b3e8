// Writing a file so that a failure never damages the one already there: the text goes to a temporary
// file beside it, which replaces the old file only once it is complete.
#pragma once

#include <cstdio>
#include <string>

namespace quill {

class AtomicFile {
 public:
  explicit AtomicFile(const std::string& path);
  ~AtomicFile();  // an uncommitted temporary file is removed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  std::FILE* Stream() { return file_; }
  void Write(const std::string& text);
  // Flushes, syncs and renames over the target; false (and the old file untouched) on any failure.
  bool Commit();

 private:
  std::string path_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

bool WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace quill
