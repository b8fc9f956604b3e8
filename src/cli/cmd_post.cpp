// quill post: not in this build yet.
#include "cli_args.h"
#include "commands.h"

namespace quill::cli {

int CmdPost(const Words&) { return UsageError("this build has no 'post' command yet", PostUsage); }

}  // namespace quill::cli
