// Convert > "&Raster to Vector" after its settings were confirmed: the parameter file, the picture
// handed over, the vectorizer run and its drawing checked, so the main window imports a drawing only
// when there is one.
#pragma once

#include <string>

#include "raster/vectorizer_choice.h"
#include "raster/vectorizer_settings.h"

namespace quill {

class Job;
class Picture;

// The drawing the main window imports afterwards, in the program home.
inline constexpr const char* TracedDrawingFile = "QP2008R2V.DXF";
// The picture handed to the vectorizer, in the program home.
inline constexpr const char* TracedPictureFile = "QP2008R2V.BMP";

// True when the vectorizer wrote a DXF drawing to ExeDir + TracedDrawingFile.  Failures are reported
// (a Cancel quietly); an old drawing is removed first, so a failed run never leaves one to import.
bool RasterToVector(Job& job, const Picture& picture, const RasterToVectorSettings& settings,
                    const VectorizerChoice& vectorizer);

}  // namespace quill
