// The main window's "&Import-Artwork" command: the file's name chooses the format.
#pragma once

#include <string>

#include "artwork/dxf_import.h"
#include "artwork/import_result.h"

namespace quill {

class Job;

inline constexpr const char* ImportArtworkFilter =
    "DXF Files (*.DXF)|*.DXF|HPGL FIles (.HGL,.PLT)|*.HGL;*.PLT|Kestrel-CAM (*.TMG)|*.TMG|All FIles (*.*)|*.*";

enum class ArtworkFormat { Tmg, Dxf, Hpgl };

// ".TMG" or ".tmg" anywhere in the name makes it TMG, else ".DXF" or ".dxf" DXF, else HPGL.
ArtworkFormat ArtworkFormatOf(const std::string& fileName);

// Imports the file: TMG appended to the artwork (replacing it with replaceTmg), DXF with its options
// and then its texts turned into artwork, HPGL replacing the artwork.  Marks the project modified; the
// caller shows the extents.
ImportResult ImportArtwork(Job& job, const std::string& fileName, DxfImportOptions& dxfOptions,
                           const DxfImportWindows& windows = {}, bool replaceTmg = false);

}  // namespace quill
