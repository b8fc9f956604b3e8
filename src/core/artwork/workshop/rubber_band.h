// The rubber bands of the workshop's picks, drawn in XOR (white on a black background, NOT-XOR black
// otherwise), so drawing one twice takes it away again.
#pragma once

#include "view/trwindow.h"

namespace quill {

enum class RubberBand {
  None,
  Box,         // the box between the press and the cursor
  Line,        // a line from the press to the cursor
  Circle,      // a circle about the press through the cursor
  LineCircle,  // the circle and its radius
};

class RubberBandPainter {
 public:
  // Starts a band at the pixel; it shows once the cursor moves.
  void Begin(RubberBand kind, PixelPoint anchor);
  // The cursor moved: the band is taken away and drawn to the new position.
  void Follow(Canvas& canvas, bool blackBackground, PixelPoint cursor);
  // Takes the band away for a moment (something is drawn where it may lie); Restore shows it again.
  void Hide(Canvas& canvas, bool blackBackground);
  // The picture was drawn anew under the band: it is no longer on the canvas; Restore shows it again.
  void Lost();
  void Restore(Canvas& canvas, bool blackBackground);
  // The window changed: the band's fixed end is now at another pixel.
  void SetAnchor(PixelPoint anchor) { anchor_ = anchor; }
  // Takes the band away; the band ends.
  void End(Canvas& canvas, bool blackBackground);

  RubberBand Kind() const { return kind_; }

 private:
  void Draw(Canvas& canvas, bool blackBackground);

  RubberBand kind_ = RubberBand::None;
  PixelPoint anchor_, cursor_;
  bool shown_ = false;    // on the canvas now
  bool pending_ = false;  // taken away for a moment, to be shown again
};

}  // namespace quill
