#include "nc/posts_write_rules.h"

#include "job/job.h"
#include "nc/posts_file.h"
#include "project/profile.h"
#include "ui/ui.h"

namespace quill {

bool WritePostsFile(Job& job, const std::function<bool(ProfileFile&)>& write) {
  std::string path = PrepareUserPostsFile(job.paths);
  if (!path.empty()) {
    ProfileFile posts(path);
    if (write(posts)) return true;
  }
  job.ui.Warn("Cannot write the machine file [" + (path.empty() ? job.paths.PostsIniFile : path) + "]");
  return false;
}

}  // namespace quill
