// Pictures between the core's pixel grid and Qt's images: the relief scanner loads and pastes pictures
// through Qt (every format Qt reads) and keeps them as the core's grid.
#pragma once

#include <QImage>
#include <string>

#include "pixels/picture.h"

namespace quill {

struct PictureRead;

// The image as a grid: grey when every colour of the image is grey, else colour.  Transparent parts
// count as white, the paper the picture was drawn on, so they are not cut.  An image larger than the
// grid takes is refused with the reason.
PictureRead PictureFromImage(const QImage& image);

// The grid as an image for the screen.
QImage ImageFromPicture(const Picture& picture);

// Reads a picture file in any format Qt reads; the error names the file.
PictureRead ReadPictureFile(const std::string& path);

// The file chooser's filter: the picture formats this build reads, BMP first, then "All Files".
QString PictureFileFilter();

}  // namespace quill
