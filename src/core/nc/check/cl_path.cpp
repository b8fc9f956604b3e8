#include "nc/check/cl_path.h"

#include <algorithm>

#include "records/cl_record.h"
#include "records/line_reader.h"

namespace quill {

ClPath ReadClPath(const std::string& clFile, const AxisMap& axes) {
  ClPath path;
  LineReader in(clFile);
  if (!in.IsOpen()) {
    path.error = "Cannot open the tool path [" + clFile + "]";
    return path;
  }
  bool text = false;
  ClRecord r;
  for (std::string line; in.Next(line);) {
    if (!ParseClRecord(line, r)) {
      path.error = "The tool path [" + clFile + "] cannot be read at its line " + std::to_string(in.LineNumber());
      return path;
    }
    if (r.code == ClEnd) break;
    if (r.code == ClRotaryRadius) path.rotaryRadius = r.R;
    text = text || r.code == ClText;
    if (r.code < 0 || r.code == ClRotaryRadius || r.code == ClText || r.code == ClResetHome) continue;
    ClStep s{r.code,
             in.LineNumber(),
             axes.Project(r.X, r.Y, r.Z, r.code, path.rotaryRadius),
             r.X,
             r.Y,
             r.Z,
             r.CX,
             r.CY,
             path.rotaryRadius,
             text};
    path.steps.push_back(s);
    text = false;
    if (r.code != ClRapid) path.deepest = path.deepest ? std::min(*path.deepest, r.Z) : r.Z;
  }
  return path;
}

}  // namespace quill
