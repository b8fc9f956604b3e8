// The cutter-location file QUILLMAR.CL: one text record per line, a code and its fields, reals in fixed
// notation with 16 decimals.  Every consumer (view, simulation, post-processor, APT output) reads it
// through ClReader.
#pragma once

#include <string>

#include "records/line_reader.h"
#include "records/line_writer.h"

namespace quill {

enum ClCode : int {
  ClRapid = 0,
  ClFeed = 1,
  ClArcCw = 2,
  ClArcCcw = 3,
  ClRotaryRadius = 5,
  ClCycleEnd = 80,
  ClCycleFirst = 81,
  ClCycleLast = 89,
  ClCycleSimple = 90,
  ClText = 900,       // the rest of the line is a comment or a machine-code line
  ClResetHome = 901,  // readers forget the last position
  ClEnd = -999,
};

struct ClRecord {
  int code = ClEnd;
  double X = 0, Y = 0, Z = 0, F = 0;
  double CX = 0, CY = 0;  // codes 2 and 3
  double R = 0, Q = 0;    // codes 81 to 89: retract plane and peck; code 5: R is the rotary radius
  std::string text;       // codes 900 and 901: the rest of the line after the code, blank included
};

// One record as text, without the line ending.
std::string FormatClRecord(int code, double x, double y, double z, double f, double cx = 0, double cy = 0);

class ClWriter {
 public:
  ClWriter() = default;
  explicit ClWriter(const std::string& path, bool append = false) { Open(path, append); }

  bool Open(const std::string& path, bool append = false) { return out_.Open(path, append); }
  bool IsOpen() const { return out_.IsOpen(); }
  // A move, arc or cycle end: codes 0, 1, 2, 3, 80, 90 (CX, CY written only for 2 and 3).
  void Write(int code, double x, double y, double z, double f, double cx = 0, double cy = 0);
  void WriteRotaryRadius(double r);
  // A code 900 or 901 record: the code, then text as it stands (give it its leading blank).
  void WriteText(int code, const std::string& text);
  void WriteEnd();
  bool Close() { return out_.Close(); }
  // Records written since Open: the "Processing Line" counter.
  long Count() const { return out_.Count(); }

 private:
  LineWriter out_;
};

class ClReader {
 public:
  explicit ClReader(const std::string& path) : lines_(path) {}
  bool IsOpen() const { return lines_.IsOpen(); }
  // The next record; false at -999, at the end of the file or at the first record that cannot be read.
  bool Next(ClRecord& rec);
  // True when reading stopped at a record that could not be read.
  bool Damaged() const { return damaged_; }

 private:
  LineReader lines_;
  bool done_ = false;
  bool damaged_ = false;
};

// Parses one record line; false when its code or fields cannot be read.
bool ParseClRecord(const std::string& line, ClRecord& rec);

// Takes a closing "-999" (and blank lines after it) off the end of a cutter-location file, so that
// records appended to it are not hidden behind the end of data.  False when the file exists and could
// not be read or shortened.
bool RemoveClEnd(const std::string& path);

}  // namespace quill
