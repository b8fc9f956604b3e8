// Picture files the core reads without any windows: Windows bitmaps, and TIFF files (every page of a
// multi-page one) through the TIFF library.  The file's first bytes decide, not its name.
#pragma once

#include <string>

#include "pixels/bmp.h"

namespace quill {

// True when the file starts like a TIFF file ("II*\0" or "MM\0*").
bool IsTiffFile(const std::string& path);

// The pages of a picture file: a bitmap has one; 0 with error set when the file cannot be read.
int PicturePageCount(const std::string& path, std::string* error = nullptr);

// Page page (from 0) of the file.  A picture too large for the program is refused before it is read.
// The error names the file.
PictureRead ReadPictureFile(const std::string& path, int page = 0);

}  // namespace quill
