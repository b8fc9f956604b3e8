// "Generate NC-Code": the file the NC code goes to, chosen in a loop of save choosers until the
// operator names a new file, agrees to overwrite one, or gives up.
#pragma once

#include <functional>
#include <string>

namespace quill {

class Job;

// "NC-Code files (*.TAP)|*.TAP|Text Files (*.txt)|*.txt|All files (*.*)|*.*" for the extension ext.
std::string NcCodeFilter(const std::string& ext);

struct NcFileChoice {
  enum Outcome {
    Chosen,     // file names the NC file
    Cancelled,  // the chooser was cancelled: the generator is hidden
    Stopped,    // the overwrite question was cancelled: the generator stays shown
  };
  Outcome outcome = Cancelled;
  std::string file;
};

// chooser(folder, extension, filter) shows the save chooser and gives the chosen path ("" on Cancel).
// A chosen file that exists brings "Do you really want to overwrite <name>?": Yes takes it, No opens the
// chooser again, Cancel stops.
using NcSaveChooser = std::function<std::string(const std::string& folder, const std::string& ext,
                                                const std::string& filter)>;
NcFileChoice ChooseNcFile(Job& job, const NcSaveChooser& chooser);

}  // namespace quill
