// Text path generation: every line of the job's text built from the font, shaped, scaled, spaced,
// justified and placed, then appended to the text path file QMBF.TMP.
#pragma once

#include <string>
#include <vector>

namespace quill {

class Job;

enum class TextPathOutcome {
  Generated,  // every line was laid out (a line may still have been left unplaced with a message)
  Stopped,    // the run ended early: nothing or only the lines before the failure were generated
};

// No line of the text has a character: there is nothing to lay out.
bool TextIsEmpty(const std::vector<std::string>& text);

// keepExisting: the new lines follow the text path already generated.
TextPathOutcome GenerateTextPath(Job& job, bool keepExisting);

// What the Generate button does: the run, TextPathGenerated set whatever the outcome, and the view set
// to the text path's extents with margin, squared.
TextPathOutcome GenerateAndShowTextPath(Job& job, bool keepExisting);

}  // namespace quill
