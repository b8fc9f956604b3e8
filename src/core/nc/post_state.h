// What one post-processor run remembers from record to record, and the record as the machine writers
// see it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "nc/format_number.h"
#include "nc/machine_definition.h"

namespace quill {

class NcOutput;

struct PostParams {
  double chordTolerance = 0.001;  // "Arc Cutting Tolerance"
  double minArcRadius = 0.001;    // "Smallest Arc Radius": smaller arcs are cut as lines
  double rotaryRadius = 0;        // until a rotary radius record sets it
};

// One move record.  theta and rho are the polar angle and radius of (X, Y); a lathe re-labels X, Y, Z
// and the centre before use.
struct PostMove {
  int code = 0;
  double X = 0, Y = 0, Z = 0, F = 0, CX = 0, CY = 0, R = 0, Q = 0;
  double theta = 0, rho = 0;
  int nextCode = 0;  // the previous motion code once this record is done
};

struct PostState {
  PostState(const MachineDefinition& machine, const PostParams& params, NcOutput& output);

  const MachineDefinition& m;
  const PostParams params;
  const AxisScales scale;
  NcOutput& out;

  double rotaryRadius;
  double PX, PY, PZ;    // the last point (absolute, re-labelled on a lathe)
  double Ptheta, Prho;  // the last polar angle and radius
  int prevCode = -1;
  double lastFeed = -1000;
  double lastR = 0, lastQ = 0;
  double phiPrev = 0;         // last wrapped angle, for incremental rotary words
  bool angleWritten = false;  // an angle word went into the current block

  // What the point memories hold when nothing was written yet: far away in absolute mode, so the first
  // move writes every word; the origin in incremental mode.
  double UnknownPosition() const;
  void ForgetPosition();
  void EndRecord(const PostMove& mv);

  bool Changed(double value, double memory) const;
  std::string Fmt(double v) const;   // coordinates, depths, arc and cycle words
  std::string FmtA(double v) const;  // rotary angles
  // A word appended to a block: its address, then its value in the format of coordinates (Word) or of
  // feeds (FeedWord).
  void Word(std::string& text, std::string_view address, double v) const;
  void FeedWord(std::string& text, double v) const;
  // A coordinate word with a one-letter address written at out (WordRoom characters at the most);
  // returns its end.  The points of an arc cut as lines are written with these, in place.
  static constexpr int WordRoom = 1 + NumberTextRoom;
  char* PutWord(char* out, char address, double v) const;
};

// The machine-type specific part of a run: what goes before, for each record, and after.
class RecordWriter {
 public:
  virtual ~RecordWriter() = default;
  virtual void Header() = 0;
  // Writes one move record; false when the record leaves the memories as they were.
  virtual bool Record(PostMove& mv) = 0;
  virtual void Closing() = 0;
  // A text record (a comment or a machine-code line of the CL file): a block of its own.
  virtual void Text(NcOutput& out, const std::string& text);
};

std::unique_ptr<RecordWriter> MakeRecordWriter(PostState& state);

}  // namespace quill
