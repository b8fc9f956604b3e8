// "Generate Raised / Inset Letters": the letters' outlines filled with parallel hatch lines, inside
// the letters (inset) or between the letters and the reference frame (raised), added to the artwork.
#pragma once

#include <string>

namespace quill {

class Job;

enum class HatchOperation { Raised = 0, Inset = 1 };

// The dialog's fields and their defaults.
struct RaisedInsetChoices {
  HatchOperation operation = HatchOperation::Inset;  // "Hatching Operation"
  double angle = 0.0;                                // "Cutting Angle :", degrees
  double spacing = 0.05;                             // "Space Between Cuts :"
  double reduce = 0.05;                              // "Reduce Hatch Lines by: :"
};

// The most hatch lines one command may scan; a spacing typed far too small would never end.
inline constexpr double MostHatchLines = 1000000;

// Why the dialog's values cannot be used, or empty: a spacing of 0 or less, a negative reduction.
std::string CheckRaisedInset(const RaisedInsetChoices& choices);

// Without a text path: "Text Path Has Not Been Generated Yet".  Values CheckRaisedInset refuses are
// refused.  For raised letters a frame that does not surround the text asks "Reference Frame Does Not
// Appear to Surrond Lettering, Continue Anyway ?" (No ends the command).  Then the outlines (and for
// raised letters the frame) are turned by minus the cutting angle (0 counts as 0.0001 degrees) about
// the frame's centre (raised) or the text's (inset), cut by scan lines a spacing apart from that
// centre up and down over the whole turned box, the crossings taken in pairs, each pair shortened by
// the reduction at both ends (dropped when nothing is left), turned back and appended to the artwork
// file as a line.  ArtworkPresent and ProjectModified are then set; the caller shows the extents.
// True when the hatching was written.
bool RaisedInsetLetters(Job& job, const RaisedInsetChoices& choices);

}  // namespace quill
