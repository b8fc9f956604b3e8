// The traced picture between the core and Qt: pictures shown and copied as QImage, and picture files
// of every format Qt reads (PNG, JPEG, GIF ...) brought in as the core's pictures.  Bitmaps and TIFF
// files (every page) are read by the core, the same way the headless tools read them.
#pragma once

#include <QImage>
#include <string>

#include "pixels/bmp.h"

namespace quill {

class Ui;

QImage ToQImage(const Picture& picture);
// Grey pictures stay grey; everything else becomes colour (transparency laid on white).
Picture FromQImage(const QImage& image);

// The filter of File > Open: every picture format this build reads, then each on its own, in the
// program's "Text|*.A;*.B|..." form.
std::string PictureOpenFilter();

// Reads a picture file; a TIFF file of several pages asks which page (through the Ui).  The error
// says why nothing was read; an empty error with an empty picture means the page question was
// cancelled.
PictureRead LoadPictureFile(Ui& ui, const std::string& path);

}  // namespace quill
