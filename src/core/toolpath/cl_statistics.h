// What the project properties show of the tool path: its moves and how far the tool travels.
#pragma once

namespace quill {

class Job;

// The number of move records (codes 0 to 3) of QUILLMAR.CL and the lengths of its rapids and of its
// feed moves (straight moves in space, arcs as angle times radius).  False without a tool path, and
// when the file cannot be read ("C/L File access error #", reported here).
bool CLStatistics(Job& job, long& moves, double& rapidLength, double& feedLength);

}  // namespace quill
