// quill eval TEXT: what a numeric entry field shows after the text is typed and the field is left.
#include <cstdio>

#include "cli_args.h"
#include "commands.h"
#include "mathlib/expression.h"

namespace quill::cli {

int CmdEval(const Words& words) {
  if (words.size() != 1) return UsageError("one expression is needed", EvalUsage);
  EvalOutcome r = EvaluateFieldText(words[0]);
  if (r.ok) {
    std::printf("%s\n", r.fieldText.c_str());
    return ExitOk;
  }
  std::fprintf(stderr, "%s\n", r.warning.c_str());
  return ExitError;
}

}  // namespace quill::cli
