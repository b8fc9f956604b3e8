// quill import: not in this build yet.
#include "cli_args.h"
#include "commands.h"

namespace quill::cli {

int CmdImport(const Words&) { return UsageError("this build has no 'import' command yet", ImportUsage); }

}  // namespace quill::cli
