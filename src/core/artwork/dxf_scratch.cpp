#include "artwork/dxf_scratch.h"

#include <stdlib.h>

#include <filesystem>

namespace quill {

ScratchFolder::~ScratchFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::string ScratchFolder::File(const std::string& name) {
  if (path_.empty()) {
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "quillmark-import-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return {};
    path_ = pattern;
  }
  return path_ + "/" + name;
}

}  // namespace quill
