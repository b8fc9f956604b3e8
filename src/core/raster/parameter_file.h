// Reading a vectorizer parameter file (qp2008.par) back: what the vectorizer and `quill trace --params`
// take from it.  Lines starting with "#" and empty lines are comments; the first two other lines that
// do not start with "-" name the picture and the drawing; every line starting with "-" is an option.
#pragma once

#include <string>
#include <vector>

#include "raster/vectorizer_settings.h"

namespace quill {

struct VectorizerParameters {
  std::string picture;  // as the file names them: relative to the vectorizer's working folder
  std::string drawing;
  RasterToVectorSettings settings;
  int gapFill = 0;                   // "-gapfill N": gaps up to N pixels are bridged (0: none)
  bool dosLines = false;             // "-dxfopt form dos": the drawing's lines end in carriage return, line feed
  bool monitor = false;              // "-monitor": progress lines on standard output
  std::vector<std::string> ignored;  // options this reader does not know, as written
  std::string error;                 // why the file cannot be used; empty when it can

  bool Ok() const { return error.empty(); }
};

// Starts from the settings' defaults with every switch off, so only what the file says is on.
VectorizerParameters ReadParameterFile(const std::string& path);
VectorizerParameters ParseParameterLines(const std::vector<std::string>& lines);

}  // namespace quill
