// Reading a project file line by line the way projects have always been read: a line ends at a carriage
// return (a line feed right after it is skipped), a lone line feed stays inside the line, and a Ctrl-Z
// ends the file.  The file is untrusted, so a line is held only up to a cap and the rest of it skipped.
#pragma once

#include <cstdio>
#include <string>

namespace quill {

class ProjectLineReader {
 public:
  // Far beyond any real line (an editor line, an artwork record); keeps a damaged file from eating memory.
  static constexpr size_t LineCap = 16u << 20;

  explicit ProjectLineReader(const std::string& path);
  ~ProjectLineReader();
  ProjectLineReader(const ProjectLineReader&) = delete;
  ProjectLineReader& operator=(const ProjectLineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // True when no character is left (or a Ctrl-Z was met).
  bool AtEnd();
  // The next line without its ending; false (and an empty line) at the end of the file.
  bool Next(std::string& line);

 private:
  bool Fill();
  std::FILE* file_ = nullptr;
  char buffer_[1 << 16];
  size_t pos_ = 0, size_ = 0;
  bool ended_ = false;
};

}  // namespace quill
