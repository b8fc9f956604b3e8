// The main window's commands that need a result before they run: the test of the job-state flag, the
// message when it fails, the question before something is deleted, and the work.  The window redraws
// the picture when a command says so.
#pragma once

namespace quill {

class Job;

// The tests alone, each with its information box when it fails.
bool RequireTextPath(Job& job);  // "Text Path Has Not Been Generated Yet"
bool RequireArtwork(Job& job);   // "Art File has not been Imported / Created Yet"
bool RequireToolPath(Job& job);  // "Tool Path Has Not Been Created Yet"

// "Delete Curent Text": "No Text to Delete" without a text path, else asks and deletes QMBF.TMP.
// True when the text path went (the caller refreshes the picture).
bool DeleteCurrentText(Job& job);

// "C&onvert to Artwork": the text path appended to the artwork.  True when it was converted (the caller
// clears the picture and draws it again).
bool ConvertToArtworkCommand(Job& job);

// "&Delete Tool Path": asks and deletes QUILLMAR.CL.  True when the tool path went (the caller
// refreshes the picture).
bool DeleteToolPath(Job& job);

}  // namespace quill
