// quill render: not in this build yet.
#include "cli_args.h"
#include "commands.h"

namespace quill::cli {

int CmdRender(const Words&) { return UsageError("this build has no 'render' command yet", RenderUsage); }

}  // namespace quill::cli
