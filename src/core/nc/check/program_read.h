// Reading a written program back into the motions its control would make: G-code (mill, lathe, Bendix),
// EZ-Track lines and the print listing.  DXF drawings are read as entities (dxf_entities.h).
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "nc/check/axis_map.h"
#include "nc/check/check_types.h"

namespace quill {

struct ProgramRead {
  bool opened = false;
  long lines = 0;
  long moves = 0;
  std::vector<CheckFinding> findings;  // blocks that cannot be read, arcs, feeds of 0
};

// Each motion goes to the sink as soon as it is read, so a program of any length is checked in
// little memory.
using MoveSink = std::function<void(const NcMove&)>;

ProgramRead ReadGcodeProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink);
ProgramRead ReadEzTrackProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink);
ProgramRead ReadListingProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink);

// The arc of a move in the machine's plane, from its start: the centre found from the words, and the
// finding when its end lies at another radius.  Shared by the readers.
struct ArcWords {
  enum class Form { Offsets, Radius } form = Form::Offsets;
  int arcType = 1;            // ARCTYPE of the offsets
  double offH = 0, offV = 0;  // offsets (or the centre) across and up the plane
  double radius = 0;          // R
};

class ArcReader {
 public:
  explicit ArcReader(const AxisMap& axes) : axes_(axes) {}
  // Fills the move's centre; false with the finding's text when its ends lie at different radii.
  bool Centre(NcMove& move, const AxisPoint& start, const ArcWords& words, std::string& problem) const;

 private:
  const AxisMap& axes_;
};

// The position of the tool as the readers follow a program: each motion's end from its axis words
// (positions, or steps on an incremental program), its arc, and the feed it cuts at.
class MotionTracker {
 public:
  MotionTracker(const AxisMap& axes, const MoveSink& sink) : axes_(axes), arcs_(axes), sink_(sink) {}

  struct Motion {
    long line = 0;
    std::string text;
    int kind = MoveFeed;
    std::array<std::optional<double>, AxisCount> words;  // positions (or steps) on the axes
    bool incremental = false;
    std::optional<double> feed;  // in force for this motion
    const ArcWords* arc = nullptr;
  };
  void Move(const Motion& motion, ProgramRead& out);
  // The control went to its reference point: where it stands is its own affair.
  void Forget() { pos_ = AxisPoint{}; }
  // An incremental program starts where the tool path has its origin: the axes no word has set yet
  // stand at 0.
  void AssumeOrigin() {
    for (int i = 0; i < AxisCount; ++i) {
      if (!pos_.known[i] && axes_.Axes()[i].letter) pos_.v[i] = 0, pos_.known[i] = true;
    }
  }

 private:
  const AxisMap& axes_;
  ArcReader arcs_;
  const MoveSink& sink_;
  AxisPoint pos_;
  std::array<long, AxisCount> steps_{};  // incremental words per axis: their rounding adds up
};

}  // namespace quill
