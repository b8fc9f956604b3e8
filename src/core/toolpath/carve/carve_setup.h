// What a carving run needs to know before it starts, and the checks that refuse it before the
// cutter-location file is touched.
#pragma once

namespace quill {

class Job;
struct ToolPathValues;

// The most records one carving run may write; a text height far below the letters' own would
// otherwise cut them into billions of steps.
inline constexpr long MostCarvingRecords = 10000000;

struct CarveSetup {
  double step = 0;           // longest outline piece: TEXTHIGH / 100, or / 50 below 0.25
  double tangency = 0;       // the intersections' tangency tolerance during the run
  int side = -1;             // the carving centre lies right of the outline's travel; left when mirrored
  double toolDiameter = 0;   // TOOLDIA
  double halfTipAngle = 0;   // half of TLCR, in radians
};

// The run's values from the settings; only meaningful once CheckCarving has passed.
CarveSetup ReadCarveSetup(Job& job, const ToolPathValues& values);

// Refuses, with the program's message, what carving cannot do: a tool other than the cone, a text
// height of 0 or less, a tip angle outside (0, 180) degrees, a tool diameter of 0 or less, a text path
// with arcs, and one that would need more than MostCarvingRecords records.  The text path is scanned
// only when the job has one.  True when carving may start.
bool CheckCarving(Job& job, const ToolPathValues& values);

}  // namespace quill
