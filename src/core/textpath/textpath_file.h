// Readers of the text path file (QMBF.TMP) that the view and the commands use: its extents and the
// number of its drawing records.  Both do nothing while the job holds no current text path.
#pragma once

namespace quill {

class Job;

// Smallest and largest X and Y over the moves and lines of the text path.  With margin each side moves
// out by a tenth of the width or height; with square the shorter side is lowered by a quarter of the
// difference.  A text path without moves or lines gives the empty extents 1000, 1000, -1000, -1000.
// False, with the outputs untouched, when there is no current text path or its file cannot be read.
bool TextPathExtents(const Job& job, double& xmin, double& ymin, double& xmax, double& ymax, bool margin, bool square);

// The number of moves, lines and arcs in the text path; 0 without a current one.
long CountTextPathMoves(const Job& job);

}  // namespace quill
