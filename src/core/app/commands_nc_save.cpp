#include "app/commands_nc_save.h"

#include <filesystem>

#include "job/job.h"
#include "ui/ui.h"

namespace quill {

std::string NcCodeFilter(const std::string& ext) {
  return "NC-Code files (*." + ext + ")|*." + ext + "|Text Files (*.txt)|*.txt|All files (*.*)|*.*";
}

NcFileChoice ChooseNcFile(Job& job, const NcSaveChooser& chooser) {
  const std::string& ext = job.prefs.DefaultExt;
  for (;;) {
    std::string file = chooser(job.paths.TapeDir, ext, NcCodeFilter(ext));
    if (file.empty()) return {NcFileChoice::Cancelled, {}};
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) return {NcFileChoice::Chosen, file};
    std::string name = std::filesystem::path(file).filename().string();
    // Enter keeps the old file: overwriting is the answer that loses something.
    Answer a = job.ui.Show({"Do you really want to overwrite " + name + "?", MsgKind::Confirmation, BtnYesNoCancel,
                            Answer::No, 0, {}});
    if (a == Answer::Yes) return {NcFileChoice::Chosen, file};
    if (a == Answer::Cancel) return {NcFileChoice::Stopped, {}};
  }
}

}  // namespace quill
