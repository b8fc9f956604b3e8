// G-code programs of mills, lathes and Bendix mills read back block by block, with the control's modal
// state: motion code, absolute or incremental words, feed.
#include <cmath>
#include <optional>

#include "nc/check/block_words.h"
#include "nc/check/program_read.h"
#include "records/line_reader.h"

namespace quill {

namespace {

class GcodeInterpreter {
 public:
  GcodeInterpreter(const AxisMap& axes, const MoveSink& sink)
      : axes_(axes), m_(axes.machine()), tracker_(axes, sink), bendix_(m_.MTYPE == MachBendix) {}

  void Line(long number, const std::string& text, ProgramRead& out);

 private:
  struct Block {
    int motion = -1;
    bool home = false;
    bool incremental = false;  // the block turns incremental words on
    std::optional<double> feed;
    std::array<std::optional<double>, AxisCount> axis;
    ArcWords arc;
    bool arcWords = false;
  };
  bool ReadWords(const BlockWords& words, Block& b, std::string& problem);
  void G(double code, Block& b);
  void Find(ProgramRead& out, FindingKind kind, long number, const std::string& text, const std::string& what) {
    out.findings.push_back({kind, number, text, what});
  }
  WordFormat Coordinates() const { return {m_.FORMAT, m_.DIGL, m_.DIGR}; }

  const AxisMap& axes_;
  const MachineDefinition& m_;
  MotionTracker tracker_;
  bool bendix_;
  bool incremental_ = false;
  int motion_ = -1;
  std::optional<double> feed_;
};

void GcodeInterpreter::G(double code, Block& b) {
  const double whole = std::round(code);
  if (std::fabs(code - whole) > 1e-9) return;  // G90.1, G91.1 and the like change nothing here
  if (std::fabs(whole) > 999) return;          // no G code of that size means anything to a control
  const int g = static_cast<int>(whole);
  if (g >= 0 && g <= 3) b.motion = g;
  if (g >= 81 && g <= 89) b.motion = MoveCycle;
  if (g == 80) motion_ = -1;
  if (g == 90) incremental_ = false;
  if (g == 91) incremental_ = true, b.incremental = true;
  if (g == 28 || g == 30) b.home = true;
}

bool GcodeInterpreter::ReadWords(const BlockWords& words, Block& b, std::string& problem) {
  const bool lathePlane = m_.MTYPE == MachLathe && !m_.Rotary();
  for (const BlockWord& w : words.words) {
    const int slot = axes_.Find(w.letter);
    std::optional<double> value;
    if (w.letter == 'G' || w.letter == 'N') {
      value = DecodeWord(w.body, {1, 0, 0});
      if (value && w.letter == 'G') G(*value, b);
    } else if (w.letter == 'F') {
      value = b.feed = DecodeWord(w.body, {m_.FFORMAT, m_.FDIGL, m_.FDIGITS});
    } else if (slot >= 0) {
      const Axis& a = axes_.Axes()[slot];
      value = DecodeWord(w.body, a.format);
      if (value) b.axis[slot] = *value / a.divisor;
    } else if (w.letter == 'R' || w.letter == 'I' || w.letter == 'J' || w.letter == 'K') {
      value = DecodeWord(w.body, Coordinates());
      if (!value) break;
      if (w.letter == 'R') b.arc.form = ArcWords::Form::Radius, b.arc.radius = *value;
      if (w.letter == 'I') (lathePlane ? b.arc.offV : b.arc.offH) = *value;
      if (w.letter == (lathePlane ? 'K' : 'J')) (lathePlane ? b.arc.offH : b.arc.offV) = *value;
      b.arcWords = true;
    } else {
      value = DecodeWord(w.body, {1, 0, 0});  // M, S, T, Q, D, O ... are read but move nothing
    }
    if (!value) {
      problem = std::string("the word ") + w.letter + w.body + " is no number";
      return false;
    }
  }
  if (words.linearMark) b.motion = MoveFeed;
  return true;
}

void GcodeInterpreter::Line(long number, const std::string& text, ProgramRead& out) {
  BlockWords words = SplitBlock(text, bendix_);
  Block b;
  std::string problem = words.error;
  if (problem.empty()) ReadWords(words, b, problem);
  if (!problem.empty()) {
    Find(out, FindingKind::Unreadable, number, text, "cannot be read: " + problem);
    return;
  }
  if (b.incremental) tracker_.AssumeOrigin();
  if (b.motion >= 0) motion_ = b.motion;
  if (b.feed) feed_ = b.feed;
  bool moves = b.arcWords;
  for (const auto& a : b.axis) moves = moves || a.has_value();
  if (moves && motion_ < 0) {
    Find(out, FindingKind::Unreadable, number, text, "axis words without a motion code");
  } else if (moves) {
    if ((motion_ == MoveArcCw || motion_ == MoveArcCcw) && !b.arcWords) {
      Find(out, FindingKind::Unreadable, number, text, "an arc without its centre or radius");
    }
    ArcWords arc = b.arc;
    arc.arcType = m_.ARCTYPE >= 1 && m_.ARCTYPE <= 4 ? m_.ARCTYPE : 1;  // an R machine's full circles: offsets
    tracker_.Move({number, text, motion_, b.axis, incremental_, feed_, b.arcWords ? &arc : nullptr}, out);
  }
  if (b.home) tracker_.Forget();
}

}  // namespace

ProgramRead ReadGcodeProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink) {
  ProgramRead out;
  LineReader in(path);
  out.opened = in.IsOpen();
  GcodeInterpreter control(axes, sink);
  for (std::string line; out.opened && in.Next(line);) control.Line(++out.lines, line, out);
  return out;
}

}  // namespace quill
