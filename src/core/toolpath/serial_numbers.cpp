#include "toolpath/serial_numbers.h"

#include <cerrno>
#include <cmath>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "records/cl_record.h"
#include "textpath/generate_text_path.h"
#include "toolpath/cl_output.h"
#include "toolpath/generate_toolpath.h"
#include "ui/ui.h"

namespace quill {

bool GenerateSerialTextPath(Job& job) {
  return GenerateAndShowTextPath(job, false) == TextPathOutcome::Generated;
}

namespace {

constexpr double NumberLimit = 2000000000;
constexpr double IncrementLimit = 99999;
constexpr double WidthLimit = 255;  // a wider fill is no serial number any more

struct SerialRange {
  long long start = 0, end = 0, increment = 1;
  int width = 0;
};

// One whole-number setting within [low, high]; otherwise the message and false.
bool ReadWhole(Job& job, const std::string& text, double low, double high, const std::string& refusal, long long& out) {
  double v = std::trunc(TextToDouble(job.ui, text));
  if (v < low || v > high) {
    job.ui.Error(refusal);
    return false;
  }
  out = static_cast<long long>(v);
  return true;
}

bool ReadSerialRange(Job& job, SerialRange& r) {
  const EngravingSettings& s = job.settings;
  long long width = 0;
  bool ok = ReadWhole(job, s.SNUMSTART, -NumberLimit, NumberLimit,
                      "Start Number Must be Between -2000000000 and 2000000000", r.start) &&
            ReadWhole(job, s.SNUMEND, -NumberLimit, NumberLimit,
                      "End Number Must be Between -2000000000 and 2000000000", r.end) &&
            ReadWhole(job, s.SNUMINC, 1, IncrementLimit, "Increment Must be Between 1 and 99999", r.increment) &&
            ReadWhole(job, s.SNUMDIG, 0, WidthLimit, "Width (Digits) Must be Between 0 and 255", width);
  r.width = static_cast<int>(width);
  if (r.start >= r.end) r.end = r.start + r.increment;
  return ok;
}

// Writes text records (code and text as they stand) to the cutter-location file.
bool WriteClText(Job& job, bool append, const std::vector<std::pair<int, std::string>>& lines) {
  errno = 0;
  ClWriter out;
  bool ok = out.Open(job.paths.CLFileName, append);
  for (const auto& [code, text] : lines) out.WriteText(code, text);
  ok = out.Close() && ok;
  if (!ok) ReportClFileError(job.ui, errno, job.paths.CLFileName);
  return ok;
}

// Without comments the numbers go on the end of the tool path already there; its closing "-999"
// comes off first, or every reader would stop before the numbers.
bool DropOldEnd(Job& job) {
  errno = 0;
  if (RemoveClEnd(job.paths.CLFileName)) return true;
  ReportClFileError(job.ui, errno, job.paths.CLFileName);
  return false;
}

// The comment starts the file anew at the first number and follows on after it.
bool StartNumber(Job& job, const SerialRunOptions& run, bool first, const std::string& label) {
  if (run.insertComment) return WriteClText(job, !first, {{ClText, " (" + label + ")"}});
  return !first || DropOldEnd(job);
}

bool EngraveNumber(Job& job, const SerialRunOptions& run, const ToolPathOptions& toolPath,
                   const TextPathGenerator& generateTextPath, const ToolPathPlugins& plugins, bool first,
                   const std::string& label) {
  job.text = {label};
  if (!StartNumber(job, run, first, label)) return false;
  if (!generateTextPath(job)) return false;
  if (!GenerateToolPath(job, toolPath, true, plugins)) return false;
  std::vector<std::pair<int, std::string>> after{{ClResetHome, " Reset Home"}};
  for (const std::string& line : run.betweenNumbers) after.push_back({ClText, " " + line});
  return WriteClText(job, true, after);
}

}  // namespace

std::string SerialNumberText(long long n, int width, int padding) {
  std::string s = std::to_string(n);
  if (padding != PadNone && width > 0 && s.size() < static_cast<size_t>(width)) {
    s.insert(0, static_cast<size_t>(width) - s.size(), padding == PadZeros ? '0' : ' ');
  }
  return s;
}

bool RunSerialNumbers(Job& job, const SerialRunOptions& run, const ToolPathOptions& toolPath,
                      const TextPathGenerator& generateTextPath, const ToolPathPlugins& plugins) {
  SerialRange r;
  if (!ReadSerialRange(job, r)) return false;
  const EngravingSettings& s = job.settings;
  bool ok = true;
  long long n = r.start;
  for (; ok && n <= r.end; n += r.increment) {
    std::string label = s.SNUMPREFIX + SerialNumberText(n, r.width, s.SNUMIPAD) + s.SNUMSUFFIX;
    ok = EngraveNumber(job, run, toolPath, generateTextPath, plugins, n == r.start, label);
  }
  // The file always gets its end, so every reader stops where this run stopped.
  ok = WriteClText(job, true, {{ClEnd, ""}}) && ok;
  if (!ok) {
    job.flags.ToolPathCreated = false;
    return false;
  }
  // The next run starts after the last number engraved, so no plate gets a number twice.
  if (run.updateEndNumber) job.settings.SNUMSTART = std::to_string(n);
  return true;
}

}  // namespace quill
