#include "nc/check/check_written.h"

#include "job/job.h"
#include "nc/check/nc_check.h"
#include "nc/posts_file.h"
#include "project/profile.h"
#include "ui/ui.h"

namespace quill {

namespace {

// A program with thousands of faulty blocks is told by its first ones and a count.
constexpr size_t FindingsShown = 50;

}  // namespace

bool CheckWrittenProgram(Job& job, const std::string& ncFile, const std::string& machine, const std::string& clFile) {
  Ui& ui = job.ui;
  const MachineDefinition m = ReadMachineDefinition(ProfileFile(PostsFileToRead(job.paths)), machine);
  const CheckReport report = CheckNcProgram(ncFile, m, clFile);
  if (!report.error.empty()) {
    ui.Warn("NC check: " + report.error);
    return false;
  }
  const size_t n = report.findings.size();
  for (size_t i = 0; i < n && i < FindingsShown; ++i) {
    ui.Status(StatusChannel::General, "NC check: " + ncFile + ": " + report.findings[i].Describe());
  }
  if (n > FindingsShown) {
    ui.Status(StatusChannel::General, "NC check: ... and " + std::to_string(n - FindingsShown) + " more");
  }
  const std::string read = std::to_string(report.lines) + " lines, " + std::to_string(report.moves) + " moves";
  if (n > 0) {
    ui.Warn("NC check: [" + ncFile + "] (" + read + ") has " + std::to_string(n) + " fault" + (n > 1 ? "s" : "") +
            " for machine " + machine);
    return false;
  }
  ui.Status(StatusChannel::General, "NC check: [" + ncFile + "] (" + read + ") " +
                                        (report.compared ? "follows the tool path [" + clFile + "]"
                                                         : "reads well; no tool path was given to compare it with") +
                                        " for machine " + machine);
  return true;
}

}  // namespace quill
