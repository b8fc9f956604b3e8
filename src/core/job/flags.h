// Which work files currently hold a valid result, and the run's own state.
#pragma once

namespace quill {

struct JobFlags {
  bool TextPathGenerated = false;  // QMBF.TMP holds the text path of the current text
  bool ArtworkPresent = false;     // QUILLART.TMP holds artwork
  bool ToolPathCreated = false;    // QUILLMAR.CL holds a tool path
  bool ProjectModified = false;    // the project changed since it was last saved
  bool DisplayIdle = false;        // no redraw is running
  bool BatchRun = false;           // the command line asked for an unattended run
  bool RefFrameOn = false;         // the reference frame is in use
};

}  // namespace quill
