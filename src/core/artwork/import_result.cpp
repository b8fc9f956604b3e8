#include "artwork/import_result.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quill {

bool ReadableFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), R_OK) == 0;
}

}  // namespace quill
