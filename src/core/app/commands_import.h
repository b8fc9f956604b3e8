// "&Import-Artwork" and the traced picture of "&Scan / Trace / Convert": the import, and a message
// that says why when the drawing did not come in.
#pragma once

#include <string>

namespace quill {

class Job;
struct DxfImportOptions;
struct DxfImportWindows;

// The file imported as its name says (TMG, DXF or HPGL).  A file that cannot be read, an artwork file
// that cannot be written or a drawing that cannot be converted is reported (with the converter's
// messages).  True when the artwork came in; the caller shows the extents either way.
bool ImportArtworkCommand(Job& job, const std::string& fileName, DxfImportOptions& options,
                          const DxfImportWindows& windows);

// The vectorizer's drawing, imported without the options window (the status window of windows shows
// the import).  True when it came in.
bool ImportTracedDrawing(Job& job, const std::string& fileName, DxfImportOptions& options,
                         const DxfImportWindows& windows);

}  // namespace quill
