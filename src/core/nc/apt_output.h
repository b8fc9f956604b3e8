// The tool path as APT cutter-location text (QUILLPRO.APT) for the outside solid-model verifier.
#pragma once

#include <string>

namespace quill {

class Job;
class Ui;

// The stock box (the job's extents and lowest depth) and the tool.
struct AptJob {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  double zmin = 0;    // the lowest Z of the job, 0 or below
  int toolShape = 0;  // 0 flat, 1 ball, 2 cone; anything else writes no CUTTER line
  double toolDiameter = 0;
  double toolValue = 0;  // ball: corner radius; cone: tip angle in degrees
};

// Converts the CL file.  False, with the message shown, when the CL file cannot be opened, a number in
// it cannot be read, or the APT file cannot be written; the previous APT file then stays as it was.
bool WriteAptFile(Ui& ui, const std::string& clFile, const std::string& aptFile, const AptJob& apt);

// The Solid Model command's file: the job's tool path, tool and the given extents into AptFileName.
// Without a tool path shows "Tool Path Has Not Been Created Yet" and returns false.
bool WriteJobAptFile(Job& job, double xmin, double ymin, double xmax, double ymax, double zmin);

}  // namespace quill
