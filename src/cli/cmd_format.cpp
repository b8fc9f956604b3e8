// quill format: not in this build yet.
#include "cli_args.h"
#include "commands.h"

namespace quill::cli {

int CmdFormat(const Words&) { return UsageError("this build has no 'format' command yet", FormatUsage); }

}  // namespace quill::cli
