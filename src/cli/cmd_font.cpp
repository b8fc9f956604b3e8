// quill font: not in this build yet.
#include "cli_args.h"
#include "commands.h"

namespace quill::cli {

int CmdFont(const Words&) { return UsageError("this build has no 'font' command yet", FontUsage); }

}  // namespace quill::cli
