#include "nc/check/nc_check.h"

#include <algorithm>
#include <climits>

#include "nc/check/cl_path.h"
#include "nc/check/dxf_entities.h"
#include "nc/check/path_compare.h"
#include "nc/check/program_read.h"

namespace quill {

namespace {

ProgramRead ReadProgram(const std::string& ncFile, const AxisMap& axes, const MoveSink& sink) {
  switch (axes.machine().MTYPE) {
    case MachMill:
    case MachLathe:
    case MachBendix: return ReadGcodeProgram(ncFile, axes, sink);
    case MachEzTrack: return ReadEzTrackProgram(ncFile, axes, sink);
    default: return ReadListingProgram(ncFile, axes, sink);
  }
}

// The program read with its tool path beside it: each motion is compared as it is read.
void CheckProgram(const std::string& ncFile, const MachineDefinition& m, const std::string& clFile, CheckReport& r) {
  const AxisMap axes(m);
  ClPath path;
  if (!clFile.empty()) {
    path = ReadClPath(clFile, axes);
    if (!path.error.empty()) {
      r.error = path.error;
      return;
    }
  }
  std::vector<CheckFinding> pathFindings;
  PathComparison comparison(path, axes, pathFindings);
  ProgramRead program = ReadProgram(ncFile, axes, [&](const NcMove& mv) { comparison.Next(mv); });
  if (!program.opened) {
    r.error = "Cannot open the NC file [" + ncFile + "]";
    return;
  }
  comparison.End();
  r.lines = program.lines;
  r.moves = program.moves;
  r.compared = !clFile.empty();
  r.findings = program.findings;
  r.findings.insert(r.findings.end(), pathFindings.begin(), pathFindings.end());
}

void CheckDrawing(const std::string& ncFile, const MachineDefinition& m, const std::string& clFile, CheckReport& r) {
  DrawingRead drawing = ReadDxfDrawing(ncFile);
  if (!drawing.opened) {
    r.error = "Cannot open the NC file [" + ncFile + "]";
    return;
  }
  r.lines = drawing.lines;
  r.moves = static_cast<long>(drawing.entities.size());
  r.findings = drawing.findings;
  if (clFile.empty()) return;
  r.compared = true;
  CompareDrawing(drawing, clFile, m, r.findings);
}

}  // namespace

std::string CheckFinding::Describe() const {
  if (line == 0) return text;
  return "line " + std::to_string(line) + " (" + block + "): " + text;
}

CheckReport CheckNcProgram(const std::string& ncFile, const MachineDefinition& machine, const std::string& clFile) {
  CheckReport report;
  if (machine.MTYPE == MachDxf) {
    CheckDrawing(ncFile, machine, clFile, report);
  } else {
    CheckProgram(ncFile, machine, clFile, report);
  }
  // In the program's order; findings about the program as a whole come last.
  std::stable_sort(report.findings.begin(), report.findings.end(), [](const CheckFinding& a, const CheckFinding& b) {
    return (a.line == 0 ? LONG_MAX : a.line) < (b.line == 0 ? LONG_MAX : b.line);
  });
  return report;
}

}  // namespace quill
