// "Modify Artwork": the whole artwork file turned about the origin, offset, scaled in X and Y and, when
// asked, put into cutting order, in one step and without the Art Workshop.
#pragma once

#include <string>

namespace quill {

class Job;

// The fields of the "Modify Artwork" window, with their defaults.
struct ModifyArtworkOptions {
  double xOffset = 0, yOffset = 0;  // "-X- Offset", "-Y- Offset"
  double xScale = 1, yScale = 1;    // "-X- Scale", "-Y- Scale"
  double rotateDegrees = 0;         // "Rotation Angle"
  bool optimize = false;            // "Optimize Tool Path"
  double endTolerance = 0.001;      // "End Point Connection" "Tolerance"

  // Empty when the options can be worked; otherwise the message to show, the window staying open
  // ("X / Y Scale May Not be Zero").
  std::string Check() const;
};

// Rewrites the job's artwork file: each line's points and each arc's centre turned by the angle about
// (0, 0), then x' = (x + X offset) * X scale and y' = (y + Y offset) * Y scale; an arc's angles turn with
// it (a full circle's stay) and its radius is scaled.  Equal negative scales turn arcs half a turn with
// a positive radius.  Moves and records of other kinds are not artwork and go.  With optimize, the
// records are put into cutting order from (0, 0) (OrderArtwork); no record is ever dropped.  The file is
// replaced in one step, only once everything is worked out: without artwork ("Art File has not been
// Imported / Created Yet"), with options that fail Check, with arcs in the file and unequal scales, on
// Cancel or when the file cannot be written it is left as it was and false comes back.  On success
// ArtworkPresent and ProjectModified are set; records receives the number of records written.
bool ModifyArtwork(Job& job, const ModifyArtworkOptions& options, long* records = nullptr);

}  // namespace quill
