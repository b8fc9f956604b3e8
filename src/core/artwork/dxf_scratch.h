// A private folder for the import's scratch files, made when first needed and removed with everything
// in it when the import ends, whichever way it ends.
#pragma once

#include <string>

namespace quill {

class ScratchFolder {
 public:
  ScratchFolder() = default;
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The path of a file in the folder; empty when the folder cannot be made.
  std::string File(const std::string& name);

 private:
  std::string path_;
};

}  // namespace quill
