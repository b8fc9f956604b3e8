// The options of `quill run` that make the tool path dialog's choices the project does not keep.
#pragma once

#include <string>

#include "cli_args.h"
#include "commands.h"
#include "toolpath/toolpath_choices.h"

namespace quill::cli {

// The options of `quill run` that take a value, for ParseArgs.
inline const std::set<std::string> RunValueOptions{"nc", "machine", "source", "scan-picture"};

// Takes "--scan-area" and its six numbers out of words into choices.scanArea.  Bad usage (missing or
// unreadable numbers) is returned as its text; empty on success.
std::string TakeScanArea(Words& words, ToolPathChoices& choices, bool& given);

// The choices from the parsed options (--source, --carve, --project-surface, --scan-picture,
// --invert, --unidirectional); scanAreaGiven tells whether TakeScanArea found one.  Bad usage: an
// unknown switch, an unknown source, scan options without --source bitmap-scan.
std::string ReadToolPathChoices(const Args& a, bool scanAreaGiven, ToolPathChoices& choices);

// True when any choice differs from the dialog's defaults.
bool ChoicesMade(const ToolPathChoices& choices);

}  // namespace quill::cli
