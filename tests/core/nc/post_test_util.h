// Running the post-processor on records written by the test, for the NC tests.
#pragma once

#include <string>
#include <vector>

#include "nc/translate_cl.h"
#include "records/cl_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill::test {

using Lines = std::vector<std::string>;

inline std::string Rec(int code, double x, double y, double z, double f, double cx = 0, double cy = 0) {
  return FormatClRecord(code, x, y, z, f, cx, cy);
}

class PostRun {
 public:
  // The lines of the NC file made from the records (written as they stand, one a line).
  std::vector<std::string> Post(const PostJob& job, const std::vector<std::string>& records) {
    std::string cl;
    for (const auto& r : records) cl += r + "\r\n";
    WriteFile(dir.File("QUILLMAR.CL"), cl);
    result = TranslateClFile(ui, dir.File("QUILLMAR.CL"), dir.File("OUT.TAP"), job);
    return result.ok ? ReadLines(dir.File("OUT.TAP")) : std::vector<std::string>{};
  }
  std::vector<std::string> Post(const MachineDefinition& m, const std::vector<std::string>& records) {
    PostJob job;
    job.machine = m;
    return Post(job, records);
  }

  TempDir dir;
  TestUi ui;
  PostResult result;
};

// A mill without sequence numbers, so tests see the words alone.
inline MachineDefinition PlainMill() {
  MachineDefinition m;
  m.SEQOUT = false;
  return m;
}

}  // namespace quill::test
