// Starting outside programs (the vectorizer, the NC verifier) and opening documents.
#pragma once

#include <string>
#include <vector>

namespace quill {

class Ui;

// Starts file with the arguments in folder (empty: the current one), without a shell, and does not
// wait for it.  A file that is not a program is opened with the desktop's viewer.  Returns a number
// above 32 on success; on failure a small code (2 not found, 3 bad folder, 5 access denied, 8 out of
// memory, 11 not a program, 31 nothing to open it with) after the message
// "Cannot Execute (<code>) [<file>]".
int RunExternal(Ui& ui, const std::string& file, const std::vector<std::string>& args, const std::string& folder);

}  // namespace quill
