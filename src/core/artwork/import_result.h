// What an artwork import reports back to the command that started it.
#pragma once

#include <string>

namespace quill {

struct ImportResult {
  enum Status {
    Done,
    InputUnreadable,    // the file to import cannot be read: the artwork is left as it was
    ArtworkUnwritable,  // the artwork file cannot be written
    Cancelled,          // the operator cancelled the options or the import: nothing changed
    NotConverted,       // a DXF drawing that could not be converted (see dxfCode)
  };
  Status status = Done;
  long records = 0;  // artwork records written
  int dxfCode = 0;   // DXF imports: the conversion's result code
  long texts = 0;    // DXF imports: the drawing's texts laid out into the text path
};

// A plain file that can be read: devices and pipes are refused, they may never end.
bool ReadableFile(const std::string& path);

}  // namespace quill
