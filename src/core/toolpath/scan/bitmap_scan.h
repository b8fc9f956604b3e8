// "3D Bitmap Scan": a picture cut as a relief.  The tool sweeps a rectangle of the work plane in rows;
// at each sample it goes to a depth from the brightness of the pixel under it: dark deep, light
// shallow (or, inverted, light deep).
#pragma once

#include <string>

#include "toolpath/toolpath_pass.h"

namespace quill {

class Picture;

// The "3D Bitmap Scanner" dialog's values, with its defaults.  They stay in the dialog while the
// program runs; the project does not keep them.
struct BitmapScanArea {
  double xmin = 0;      // "-X- Minimum"
  double ymin = 0;      // "-Y- Minimum"
  double width = 2.0;   // "-X- Width"
  double height = 2.0;  // "-Y- Height"
  double xstep = 0.01;  // "-X- Stepover"
  double ystep = 0.01;  // "-Y- Stepover"
  bool invert = false;          // "Invert -Z- Axis"
  bool unidirectional = false;  // "Uni-Directional Cutting"
};

// The most records one pass of the scan may write.
inline constexpr double MostScanRecords = 10000000;

// The most records one pass of the scan can write: every sample of every row, a rapid at each end of
// a row, the first rapid and the last retract.
double ScanRecordsPerPass(const BitmapScanArea& area);

// Why the values cannot be scanned, or empty: a width, height or step of 0 or less, or more than
// MostScanRecords records.  The dialog's OK checks the same.
std::string CheckScanArea(const BitmapScanArea& area);

// One pass of the scan at the pass depth d into the open cutter-location file.  Refused (an error,
// nothing written) when CheckScanArea refuses or the picture is empty ("Cannot Process 3D Bitmap
// Scan, No Picture Has Been Loaded").  Samples run from the area's left edge to its right edge and
// from its bottom edge to its top, both ends included; a sample reads the pixel nearest its place in
// the picture stretched over the area (the edges reading the edge pixels).  Depth = d + |d| x grey /
// 255 (inverted: d minus that); a feed move is written only where the depth changes, so a run of one
// depth is one move.  Rows alternate direction, joined by a feed move; with unidirectional each row
// starts with a rapid over its first sample and ends with a retract.  Moves down from the clearance
// plane go at the plunge feed, the others at the cut feed.  The pass starts with a rapid to its first
// sample at the clearance plane and ends with the tool raised.  The main view then shows the area.
// Cancel (the Ui's progress) ends the pass after the current row, the tool raised.
void BitmapScan(Job& job, const ToolPathPass& pass, const BitmapScanArea& area, const Picture& picture);

}  // namespace quill
