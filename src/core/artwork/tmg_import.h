// TMG geometry files into the artwork file: lines and counter-clockwise arcs; points are not artwork.
#pragma once

#include <string>

#include "artwork/import_result.h"

namespace quill {

class Job;

// replace: the artwork file starts from empty; otherwise the records follow the job's artwork (a
// leftover file that holds no current artwork is not kept).
ImportResult ImportTmg(Job& job, const std::string& fileName, bool replace);

}  // namespace quill
