// The workshop and the artwork file: opening loads the job's artwork into the document, closing asks
// "Save Changes to Artwork" and writes the drawing back, replacing the file in one step.
#pragma once

#include <string>

namespace quill {

class Job;
class WorkshopDocument;

// Lines (kind 1, Z 0), clockwise arcs (kind 2) and counter-clockwise arcs (kind 3) of the job's
// artwork file, in file order, as a fresh editing run; nothing when ArtworkPresent is off.  Moves and
// damaged records are passed over.
void LoadArtwork(Job& job, WorkshopDocument& doc);

// Replaces the artwork file with the drawing: lines as kind 1, arcs as kind 3 (counter-clockwise) or 2
// (clockwise); points are not artwork.  The old file stays whole until the new one is complete.  Sets
// ArtworkPresent; false (and "Art File access error" shown) when the file cannot be written.
bool SaveArtwork(Job& job, const WorkshopDocument& doc);

// Showing the workshop: a document that is not loaded is filled from the artwork file first; then it
// is marked loaded and the view goes to the extents.
void OpenWorkshop(Job& job, WorkshopDocument& doc);

// Closing the workshop.  A loaded document asks "Save Changes to Artwork": Cancel keeps it open (false);
// Yes saves, No does not, and both end the editing run and mark the project modified.  A save that fails
// keeps the workshop open, so no drawing is lost.
bool CloseWorkshop(Job& job, WorkshopDocument& doc);

}  // namespace quill
