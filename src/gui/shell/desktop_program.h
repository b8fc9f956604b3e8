// The desktop program's life: start-up with the splash window, the windows, the command line, the
// message loop and the close.
#pragma once

#include <string>
#include <vector>

class QApplication;

namespace quill {

// Runs until the main window closes; the exit status.
int RunDesktopProgram(QApplication& app, const std::vector<std::string>& args);

}  // namespace quill
