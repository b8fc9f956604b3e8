// The relief scan's picture, kept in the home as the Windows bitmap 3DSCAN.BMP (ScanBitmapFile) so the
// last one comes back the next time.
#pragma once

#include <string>

#include "pixels/bmp.h"

namespace quill {

class Job;

// The kept picture: empty (and no error) when there is none; an error when 3DSCAN.BMP cannot be read.
PictureRead LoadScanPicture(const Job& job);

// Keeps the picture as 3DSCAN.BMP; false (and the reason shown) when it cannot be written.
bool KeepScanPicture(Job& job, const Picture& picture);

// "Load Bitmap" without the dialog: the Windows bitmap file is read and kept.  False (and the reason
// shown) when it cannot be read or kept.
bool LoadScanPictureFile(Job& job, const std::string& path);

}  // namespace quill
