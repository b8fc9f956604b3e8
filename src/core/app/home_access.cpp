#include "app/home_access.h"

#include <stdlib.h>

#include <filesystem>
#include <map>
#include <vector>

#include "app/home_lock.h"
#include "job/paths.h"
#include "nc/editor_recent_files.h"
#include "records/atomic_file.h"
#include "ui/ui.h"

namespace fs = std::filesystem;

namespace quill {

namespace {

// The files a read-only start reads from the home and may change: its copies go to the private folder.
const char* const kSeededFiles[] = {"QUILLMAR.INI", "QUILLDEF.TXT", "QUILLART3.TMP", "QUILLPRO.ANT",
                                    "qp2008.par",   "DXFTXT.QLM",   "3DSCAN.BMP"};
// The home's files that are replaced through a temporary beside them.
const char* const kReplacedFiles[] = {"QUILLMAR.INI",  "QUILLDEF.TXT",  "QUILLART.TMP", "QUILLART1.TMP",
                                      "QUILLART2.TMP", "QUILLART3.TMP", "QUILLPRO.APT", "3DSCAN.BMP",
                                      EditorRecentFile};

// "QUILLART.TMP.partial-x8Kq2Z": the temporary of a replace that a crash cut short.
bool IsTemporaryOf(const std::string& name, const std::string& file) {
  const std::string stem = file + AtomicFile::TemporarySuffix;
  return name.size() == stem.size() + 6 && name.compare(0, stem.size(), stem) == 0;
}

// Once the home is held nobody else is writing in it, so such temporaries are leftovers.
void RemoveLeftoverTemporaries(const std::string& homeDir) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(homeDir, ec)) {
    const std::string name = entry.path().filename().string();
    for (const char* file : kReplacedFiles) {
      if (IsTemporaryOf(name, file)) fs::remove(entry.path(), ec);
    }
  }
}

// What this process holds until it ends: the locks of its homes and the private folders of read-only
// starts (removed when it ends normally).
struct ProcessHomes {
  std::map<std::string, HomeLock> locks;
  std::vector<std::string> privateFolders;
  ~ProcessHomes() {
    std::error_code ec;
    for (const auto& dir : privateFolders) fs::remove_all(dir, ec);
  }
};

ProcessHomes& Held() {
  static ProcessHomes homes;
  return homes;
}

std::string MakePrivateFolder(const std::string& homeDir, std::string& error) {
  std::error_code ec;
  std::string pattern = (fs::temp_directory_path(ec) / "quillmark-read-only-XXXXXX").string();
  if (ec || ::mkdtemp(pattern.data()) == nullptr) {
    error = "Cannot make a folder for the read-only work files in " + fs::temp_directory_path(ec).string();
    return {};
  }
  Held().privateFolders.push_back(pattern);
  for (const char* name : kSeededFiles) {
    fs::copy_file(homeDir + name, pattern + "/" + name, ec);  // a missing file stays missing
  }
  return pattern + "/";
}

}  // namespace

std::string TakeHome(Ui& ui, const std::string& homeDir, HomeInUse whenInUse) {
  ProcessHomes& held = Held();
  if (held.locks.count(homeDir)) return homeDir;
  HomeLock lock(homeDir);
  if (lock.Usable()) {
    if (lock.state() == HomeLock::State::Held) RemoveLeftoverTemporaries(homeDir);
    held.locks.emplace(homeDir, std::move(lock));
    return homeDir;
  }
  if (lock.state() == HomeLock::State::Failed) {
    ui.Error(lock.Error());
    return {};
  }
  std::string inUse = HomeInUseText(homeDir, lock.Holder());
  if (whenInUse == HomeInUse::Refuse) {
    ui.Error(inUse + " Wait until it ends, or give this program a folder of its own with --home.");
    return {};
  }
  Message ask{inUse +
                  "\n\nOpen read-only? The work files then go to a folder of their own, and this folder's "
                  "preferences, recent projects and text stay as they are.\nNo quits the program.",
              MsgKind::Confirmation, BtnYesNo, Answer::No, 0, ""};
  if (ui.Show(ask) != Answer::Yes) return {};
  std::string error;
  std::string dir = MakePrivateFolder(homeDir, error);
  if (dir.empty()) ui.Error(error);
  return dir;
}

void ReadFromHeldHome(JobPaths& paths, const std::string& homeDir) {
  paths.FontDir = homeDir;
  paths.TapeDir = homeDir;
}

}  // namespace quill
