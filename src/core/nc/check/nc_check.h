// The NC self-check: a written program read back with the program's own reader for the machine's
// dialect and compared with the cutter-location file it came from, within the rounding of its words.
#pragma once

#include <string>

#include "nc/check/check_types.h"
#include "nc/machine_definition.h"

namespace quill {

// clFile empty: the program is read on its own (arcs, feeds, blocks that cannot be read).
CheckReport CheckNcProgram(const std::string& ncFile, const MachineDefinition& machine, const std::string& clFile);

}  // namespace quill
