// The windows that change QPOSTS.INI (machine setup, macros) write through here, so a file that cannot
// be written is said rather than passed over in silence.
#pragma once

#include <functional>
#include <string>

namespace quill {

class Job;
class ProfileFile;

// Runs write on the user's copy of the machine file (made from the bundled one first).  False, after
// the warning "Cannot write the machine file [<path>]", when the copy cannot be made or write fails.
bool WritePostsFile(Job& job, const std::function<bool(ProfileFile&)>& write);

}  // namespace quill
