// DXF import from the main window, the command line and scan tracing: the options, the conversion into
// DXFTMP.TMG (kept in a private scratch folder) and the TMG import into the artwork file.
#pragma once

#include <functional>
#include <string>

#include "artwork/import_result.h"

namespace quill {

class Job;
class DxfStatus;

// The "DXF - Import" window's values; they stay in the window between imports.
struct DxfImportOptions {
  std::string CUTTOL = "0.005";  // "Cutting Tolerance": the arc fitter's tolerance, an expression field
  bool Barcs = false;            // "Arc-Fit Splines"
  bool CBReplace = true;         // "Replace Existing Artwork"
};

// The windows the import shows when there is a screen.
struct DxfImportWindows {
  std::function<bool(DxfImportOptions&)> options;  // the options window, modal; false on Cancel
  DxfStatus* status = nullptr;                     // the "DXF Import Status" window
};

// silent: no options window (scan tracing).  Without a status window the status lines go to the Ui.
ImportResult ImportDxf(Job& job, const std::string& fileName, bool silent, DxfImportOptions& options,
                       const DxfImportWindows& windows = {});

}  // namespace quill
