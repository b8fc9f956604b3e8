// The tool path of the text: QMBF.TMP walked record by record at the pass depth.
#pragma once

#include "toolpath/toolpath_pass.h"

namespace quill {

// Moves become retract and rapid, lines and arcs are cut (a plunge first while the pen is up); lines
// that move less than 0.001 in X and Y are passed over.  Nothing without a generated text path.
void TextToolPath(Job& job, const ToolPathPass& pass);

}  // namespace quill
