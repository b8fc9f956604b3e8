// Writing a project (.QLM): every setting, the tables, the artwork and the text, as one text file with
// carriage return + line feed line ends.
#pragma once

#include <string>

namespace quill {

class Job;

// The format version written on the line after "$QUILLVER".
inline constexpr double ProjectVersion = 7.01;

// Writes through a temporary file that replaces the project only when complete, so a failure leaves
// the old file whole.  On failure shows "File Creation error" and returns false.
bool WriteProject(Job& job, const std::string& path);

}  // namespace quill
