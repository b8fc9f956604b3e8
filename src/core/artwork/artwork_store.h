// The job's artwork lives in one work file, QUILLART.TMP.  Every stage that makes artwork replaces the
// file or appends to it through these helpers, so the artwork-present flag is set in one place only
// after the records are safely on disk.  Nothing here draws: the caller redraws the view when a
// function reports a change.
#pragma once

#include "records/artwork_record.h"

namespace quill {

class Job;

enum class ArtworkWrite {
  Replace,  // start the file from empty
  Append,   // add to its end; a missing file is created
};

// Opens the job's artwork file for a writer.  False (nothing opened, the flag untouched) when the
// file cannot be opened; the caller reports it.
bool OpenArtwork(Job& job, ArtWriter& out, ArtworkWrite mode);

// Closes a writer opened by OpenArtwork and sets ArtworkPresent.  False when a record could not be
// written; the flag is then left as it was.
bool CloseArtwork(Job& job, ArtWriter& out);

// "Delete All Artwork": "No Artwork to Delete" when there is none, else asks before deleting the file.
// True when the artwork was deleted (the caller redraws).
bool DeleteAllArtwork(Job& job);

// Turns the generated text path into artwork records (appended when artwork is present, else the file
// starts from empty), consumes the text path (TextPathGenerated off) and sets ArtworkPresent.
// False without a text path (nothing is written, no message: the menu command says why) and when the
// artwork file cannot be written (reported here; the text path is kept).  On true the caller clears
// and redraws the view.
bool ConvertTextPathToArtwork(Job& job);

}  // namespace quill
