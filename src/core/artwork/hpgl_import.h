// HPGL plotter files into the artwork file: a character-level reader of upper-case HPGL that follows the
// pen commands (PU, PD, PA, PR) and passes over everything else, labels included.
#pragma once

#include <string>

#include "artwork/import_result.h"

namespace quill {

class Job;

// Plotter units to drawing units.
inline constexpr double HpglScaleX = 0.001;
inline constexpr double HpglScaleY = 0.001;

// Always replaces the job's artwork (but leaves it alone when the file cannot be read).
ImportResult ImportHpgl(Job& job, const std::string& fileName);

}  // namespace quill
