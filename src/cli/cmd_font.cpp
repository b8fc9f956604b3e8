// quill font compile SRC.QXS OUT.QXF | quill font decompile FONT.QXF OUT.QXS
#include "cli_args.h"
#include "commands.h"
#include "fonts/font_compiler.h"
#include "fonts/font_decompiler.h"
#include "ui/batch_ui.h"

namespace quill::cli {

int CmdFont(const Words& words) {
  Args a = ParseArgs(words, {});
  if (!a.error.empty()) return UsageError(a.error, FontUsage);
  if (a.positional.size() != 3) return UsageError("a sub-command and two files are needed", FontUsage);
  const std::string& what = a.positional[0];
  BatchUi ui;
  if (what == "compile") {
    FontCompileResult r = CompileFont(ui, a.positional[1], a.positional[2]);
    return r.written && r.errors == 0 ? ExitOk : ExitError;
  }
  if (what == "decompile") return DecompileFont(ui, a.positional[1], a.positional[2]) ? ExitOk : ExitError;
  return UsageError("unknown font command '" + what + "'", FontUsage);
}

}  // namespace quill::cli
