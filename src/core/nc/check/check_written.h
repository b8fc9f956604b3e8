// The NC self-check run right after a program is written: the program read back for its machine and
// compared with the cutter-location file it came from; what it finds goes to the Ui.
#pragma once

#include <string>

namespace quill {

class Job;

// True when the program follows the tool path and holds no arc, feed or depth fault.  Each finding is
// a status line; a warning sums them up.
bool CheckWrittenProgram(Job& job, const std::string& ncFile, const std::string& machine, const std::string& clFile);

}  // namespace quill
