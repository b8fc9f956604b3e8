// One post-processor run: the cutter-location file into the NC file of one machine, between the
// machine's start-up and shutdown macros.
#pragma once

#include <string>
#include <vector>

#include "nc/machine_definition.h"
#include "nc/post_state.h"

namespace quill {

class Ui;

struct PostJob {
  MachineDefinition machine;
  PostParams params;
  std::vector<std::string> startup;   // the start-up macro's lines (empty: none)
  std::vector<std::string> shutdown;  // the shutdown macro's lines
};

struct PostResult {
  bool ok = false;          // the NC file was written
  long records = 0;         // records read
  long blocks = 0;          // lines of the NC file written
  double rotaryRadius = 0;  // as the last rotary radius record left it
};

// Errors are shown through the Ui: the CL file that does not open, the NC file that cannot be made, a
// number that cannot be read, a failed write.  On any of them the previous NC file stays as it was.
PostResult TranslateClFile(Ui& ui, const std::string& clFile, const std::string& ncFile, const PostJob& job);

}  // namespace quill
