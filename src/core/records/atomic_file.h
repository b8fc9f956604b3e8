// Writing a file so that a failure never damages the one already there: the text goes to a temporary
// file beside it, which replaces the old file only once it is complete.  The new file's bytes reach the
// disk before the rename and the rename reaches it after, so a crash or a power cut at any moment leaves
// either the old file or the new one whole, never a mixture.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quill {

class AtomicFile {
 public:
  // The temporary is the file's name with this and six random letters added ("JOB.TAP.partial-x8Kq2Z").
  static constexpr const char* TemporarySuffix = ".partial-";

  enum class Start {
    Empty,       // the new file starts empty
    OldContent,  // the new file starts as a copy of the old one (an append that can still be undone)
  };

  explicit AtomicFile(const std::string& path, Start start = Start::Empty);
  ~AtomicFile();  // an uncommitted temporary file is removed
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  std::FILE* Stream() { return file_; }
  void Write(std::string_view text);
  // Flushes and syncs the new file, renames it over the target and syncs the folder; false (and the
  // old file untouched) on any failure.  The new file keeps the old one's permissions.
  bool Commit();

 private:
  bool CopyOldContent();

  std::string path_;
  std::string temp_;
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

bool WriteFileAtomically(const std::string& path, const std::string& content);

}  // namespace quill
