// What the NC self-check reads from a program and what it finds in it.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quill {

inline constexpr int AxisCount = 3;

// A position on a machine's axes (see AxisMap); an axis no word has set yet is unknown.
struct AxisPoint {
  std::array<double, AxisCount> v{};
  std::array<bool, AxisCount> known{};
};

enum MoveKind { MoveRapid = 0, MoveFeed = 1, MoveArcCw = 2, MoveArcCcw = 3, MoveCycle = 81 };

// One motion of the program as its control would make it.
struct NcMove {
  long line = 0;      // in the NC file, from 1
  std::string block;  // the line as written
  int kind = MoveFeed;
  AxisPoint end;
  std::array<double, AxisCount> tolerance{};  // how far the words' rounding lets the position stray
  bool hasCentre = false;                     // an arc whose shape can be compared
  double centreH = 0, centreV = 0;            // in the plane of the machine's arcs
};

enum class FindingKind {
  LeavesPath,    // the first block that leaves the tool path
  EndsEarly,     // the program stops before the tool path does
  NeverReaches,  // the program never reaches the tool path's first point
  ArcRadius,     // an arc whose end lies at another radius than its start
  ZeroFeed,      // a cutting move at a feed of 0
  BelowDeepest,  // a move below the deepest cut of the tool path
  Unreadable,    // a block the control could not read
};

struct CheckFinding {
  FindingKind kind = FindingKind::Unreadable;
  long line = 0;  // 0: the program as a whole
  std::string block;
  std::string text;
  // "line 12 (G01X1.0Y2.0): <text>"
  std::string Describe() const;
};

struct CheckReport {
  std::string error;  // the program or the tool path could not be read: nothing was checked
  long lines = 0;
  long moves = 0;
  bool compared = false;  // a tool path was given and compared
  std::vector<CheckFinding> findings;
};

}  // namespace quill
