// Running the vectorizer on a parameter file: it is started without a shell in the folder its
// parameter file's names are relative to, its "Progress: N%" lines move a progress display whose
// Cancel stops it, and a vectorizer that is missing, fails or passes its time limit is reported.
#pragma once

#include <string>

#include "raster/vectorizer_choice.h"

namespace quill {

class Ui;

enum class VectorizerOutcome { Done, Failed, Cancelled };

VectorizerOutcome RunVectorizer(Ui& ui, const VectorizerChoice& choice, const std::string& paramFile,
                                const std::string& folder);

// True when the file begins as an ASCII DXF drawing does: group code 0, then SECTION.
bool LooksLikeDxf(const std::string& path);

}  // namespace quill
