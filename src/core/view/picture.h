// Pictures of the job that leave the screen: the steps common to prints, bitmaps and metafiles, and
// Copy Metafile.
#pragma once

#include <string>

#include "view/canvas.h"

namespace quill {

class Job;

// The common picture steps on a surface: print mode, the current view window, axes and ruler as
// configured, then the text path, artwork and tool path.  The surface is not cleared first.
void DrawPicture(Job& job, Canvas& canvas);

inline constexpr const char* MetafileName = "QP2008.EMF";
inline constexpr int MetafileWidth = 1024, MetafileHeight = 768;

// Writes the picture to path as an enhanced metafile; false (with a warning) when it cannot be written.
bool WriteMetafile(Job& job, const std::string& path, int width = MetafileWidth, int height = MetafileHeight);

// Copy Metafile: QP2008.EMF in the current working folder, replacing an older one.
bool CopyMetafile(Job& job, int width = MetafileWidth, int height = MetafileHeight);

}  // namespace quill
