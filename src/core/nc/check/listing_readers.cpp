// The line-per-move outputs read back: EZ-Track conversational lines ("0040 LINE ABS X1.0 Y2.0 Z-.01
// F6.0") and the print listing ("   3 LINEAR    1.0000    2.0000   -0.0100    6.0000").
#include <sstream>

#include "mathlib/number_text.h"
#include "nc/check/program_read.h"
#include "records/line_reader.h"

namespace quill {

namespace {

std::vector<std::string> Tokens(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string t; in >> t;) out.push_back(t);
  return out;
}

bool IsCounter(const std::string& t) {
  return !t.empty() && t.size() <= 10 && t.find_first_not_of("0123456789") == std::string::npos;
}

// The motion of an EZ-Track line's mode words; -1 for a line that is no motion (header, end).
int EzTrackKind(const std::vector<std::string>& t, size_t& words) {
  if (t.size() < 3 || t[2] != "ABS") return -1;
  words = 3;
  if (t[1] == "RAPID") return MoveRapid;
  if (t[1] == "LINE") return MoveFeed;
  if (t[1] == "DR|PT") return MoveCycle;
  if (t[1] != "ARC|RADIUS" || t.size() < 4) return -1;
  words = 4;
  return t[3] == "CW" ? MoveArcCw : t[3] == "CCW" ? MoveArcCcw : -1;
}

void EzTrackLine(long number, const std::string& line, const AxisMap& axes, MotionTracker& tracker, ProgramRead& out) {
  const std::vector<std::string> t = Tokens(line);
  size_t first = 0;
  const int kind = t.empty() || !IsCounter(t[0]) ? -1 : EzTrackKind(t, first);
  if (kind < 0) return;  // the header, the end line, and text lines of the tool path
  MotionTracker::Motion m{number, line, kind, {}, false, std::nullopt, nullptr};
  ArcWords arc;
  arc.form = ArcWords::Form::Radius;
  for (size_t i = first; i < t.size(); ++i) {
    const char letter = t[i][0];
    auto value = StrictToDouble(t[i].substr(1));
    const int slot = axes.Find(letter);
    if (!value || (slot < 0 && letter != 'R' && letter != 'F')) {
      out.findings.push_back({FindingKind::Unreadable, number, line, "cannot be read: \"" + t[i] + "\""});
      return;
    }
    if (slot >= 0) m.words[slot] = *value;
    if (letter == 'R') arc.radius = *value, m.arc = &arc;
    if (letter == 'F') m.feed = *value;
  }
  tracker.Move(m, out);
}

int ListingKind(const std::string& mode) {
  if (mode == "RAPID") return MoveRapid;
  if (mode == "LINEAR") return MoveFeed;
  if (mode == "CW") return MoveArcCw;
  if (mode == "CCW") return MoveArcCcw;
  if (mode == "DRILL") return MoveCycle;
  return -1;
}

void ListingLine(long number, const std::string& line, const AxisMap& axes, MotionTracker& tracker, ProgramRead& out) {
  const std::vector<std::string> t = Tokens(line);
  if (t.size() < 6 || !IsCounter(t[0]) || ListingKind(t[1]) < 0) return;  // the heading and the macros' lines
  const int kind = ListingKind(t[1]);
  std::vector<double> v;
  for (size_t i = 2; i < t.size(); ++i) {
    auto value = StrictToDouble(t[i]);
    if (!value) {
      out.findings.push_back({FindingKind::Unreadable, number, line, "cannot be read: \"" + t[i] + "\""});
      return;
    }
    v.push_back(*value);
  }
  const bool arcKind = kind == MoveArcCw || kind == MoveArcCcw;
  MotionTracker::Motion m{number, line, kind, {v[0], v[1], v[2]}, !axes.machine().Absolute(), v[3], nullptr};
  ArcWords arc;
  arc.arcType = 4;  // the centre's own coordinates
  if (arcKind && v.size() >= 6) arc.offH = v[4], arc.offV = v[5], m.arc = &arc;
  tracker.Move(m, out);
}

using LineFn = void (*)(long, const std::string&, const AxisMap&, MotionTracker&, ProgramRead&);

ProgramRead ReadLines(const std::string& path, const AxisMap& axes, const MoveSink& sink, LineFn fn) {
  ProgramRead out;
  LineReader in(path);
  out.opened = in.IsOpen();
  MotionTracker tracker(axes, sink);
  if (!axes.machine().Absolute()) tracker.AssumeOrigin();
  for (std::string line; out.opened && in.Next(line);) fn(++out.lines, line, axes, tracker, out);
  return out;
}

}  // namespace

ProgramRead ReadEzTrackProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink) {
  return ReadLines(path, axes, sink, EzTrackLine);
}

ProgramRead ReadListingProgram(const std::string& path, const AxisMap& axes, const MoveSink& sink) {
  return ReadLines(path, axes, sink, ListingLine);
}

}  // namespace quill
