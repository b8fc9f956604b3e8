// quill render: painting pictures needs Qt, which the toolbox's other commands never load; the command
// itself is in the render module (render_module.cpp).
#include "commands.h"
#include "program_module.h"

namespace quill::cli {

int CmdRender(const Words& words) {
  Words argv{"quill render"};
  argv.insert(argv.end(), words.begin(), words.end());
  return RunProgramModule("quill", "quill-render.so", "quill_render_main", argv);
}

}  // namespace quill::cli
