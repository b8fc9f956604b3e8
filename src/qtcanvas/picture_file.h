// The job's picture written to a file whose extension names the format: PNG, SVG, PDF (through Qt's
// painter) or EMF (the program's own metafile writer).
#pragma once

#include <string>

namespace quill {

class Job;

// The formats by extension, compared without regard to case.
enum class PictureFormat { Png, Svg, Pdf, Emf, Unknown };
PictureFormat PictureFormatOf(const std::string& path);

// Draws the job's picture (the common picture steps) width x height pixels at 96 dpi into path.
// False, with a warning through the job's Ui, when the file cannot be written.
bool WritePictureFile(Job& job, const std::string& path, int width, int height);

}  // namespace quill
