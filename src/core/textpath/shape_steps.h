// The steps that change the shape of a line's characters in font units: tilt, vertical text, mirror,
// and arcs turned into lines where a step would bend them out of shape.
#pragma once

#include "records/textpath_record.h"
#include "textpath/line_work.h"

namespace quill {

// Moves and lines slant by the tilt angle: X += Y tan(tilt).
void TiltLine(LineWork& line, double tilt);

// Each character turns a quarter turn clockwise, centred across the line; boxes are transposed.
void RotateForVertical(LineWork& line);

// X becomes 2m - X for every point; clockwise and counter-clockwise arcs swap.
void MirrorLine(LineWork& line, double m);

// Arcs become chains of lines within the chord tolerance.  With perCharacter, the pen starts at the
// origin of every character (font units); otherwise it runs on through the line.
void ArcsToLines(LineWork& line, double tolerance, bool perCharacter);

// The lines approximating one arc from (px, py) to rec's end point, appended to out.
void ArcAsLines(double px, double py, const TextPathRecord& arc, double tolerance, TextPathWriter& out);

}  // namespace quill
