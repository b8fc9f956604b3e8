// Windows bitmaps (BMP) read into a Picture and written from one.
//
// Read: 1, 4 and 8 bits a pixel with a colour table, 16 and 32 bits (plain or with bit masks) and 24
// bits, stored bottom-up or top-down, with the 12-byte and every 40-byte-or-longer header.  A table
// of greys gives a grey picture, everything else a colour one.  Compressed bitmaps (RLE, JPEG, PNG)
// are not read.  A file is never trusted: its sizes, offsets and counts are checked against the file
// before use, and a picture larger than CheckPictureSize allows is refused before anything is
// allocated.
//
// Written: 8 bits with a grey table for a grey picture, 24 bits for a colour one, bottom-up with a
// 40-byte header, as every program that reads bitmaps expects.
#pragma once

#include <string>

#include "pixels/picture.h"

namespace quill {

struct PictureRead {
  Picture picture;
  std::string error;  // why nothing was read; empty on success
  bool Ok() const { return error.empty(); }
};

// The error names the file: "<path>: <reason>".
PictureRead ReadBmp(const std::string& path);
PictureRead DecodeBmp(const std::string& bytes);

// Replaces the file atomically; false when it could not be written (the old file stays).
bool WriteBmp(const std::string& path, const Picture& picture);
std::string EncodeBmp(const Picture& picture);

}  // namespace quill
