#include "nc/check/nc_check.h"

#include <algorithm>
#include <climits>

#include "nc/check/cl_path.h"
#include "nc/check/dxf_entities.h"
#include "nc/check/path_compare.h"
#include "nc/check/program_read.h"

namespace quill {

namespace {

ProgramRead ReadProgram(const std::string& ncFile, const AxisMap& axes) {
  switch (axes.machine().MTYPE) {
    case MachMill:
    case MachLathe:
    case MachBendix: return ReadGcodeProgram(ncFile, axes);
    case MachEzTrack: return ReadEzTrackProgram(ncFile, axes);
    default: return ReadListingProgram(ncFile, axes);
  }
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
    const AxisMap axes(machine);
    ProgramRead program = ReadProgram(ncFile, axes);
    if (!program.opened) {
      report.error = "Cannot open the NC file [" + ncFile + "]";
      return report;
    }
    report.lines = program.lines;
    report.moves = static_cast<long>(program.moves.size());
    report.findings = program.findings;
    if (!clFile.empty()) {
      ClPath path = ReadClPath(clFile, axes);
      if (!path.error.empty()) {
        report.error = path.error;
        return report;
      }
      report.compared = true;
      CompareMotions(program.moves, path, axes, report.findings);
      CheckDepths(program.moves, path, axes, report.findings);
    }
  }
  // In the program's order; findings about the program as a whole come last.
  std::stable_sort(report.findings.begin(), report.findings.end(), [](const CheckFinding& a, const CheckFinding& b) {
    return (a.line == 0 ? LONG_MAX : a.line) < (b.line == 0 ? LONG_MAX : b.line);
  });
  return report;
}

}  // namespace quill
