#include "nc/nc_generator.h"

#include "job/job.h"
#include "mathlib/number_text.h"
#include "nc/machine_list.h"
#include "nc/macro_store.h"
#include "nc/posts_file.h"
#include "nc/translate_cl.h"
#include "project/profile.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* Defaults = "DEFAULTS";

// Clears a flag for the scope's every way out.
class RunningScope {
 public:
  explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningScope() { flag_ = false; }
  RunningScope(const RunningScope&) = delete;
  RunningScope& operator=(const RunningScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

NcGenerator::NcGenerator(Job& job) : clFile(job.paths.CLFileName), job_(job) {}

void NcGenerator::Load() {
  ProfileFile prefs(job_.paths.IniFileName);
  chordTolerance = prefs.ReadString(Defaults, "CHATTOL", "0.001");
  minArcRadius = prefs.ReadString(Defaults, "MINRAD", "0.001");
  rotaryRadius_ = 0;
}

void NcGenerator::Show() {
  ProfileFile prefs(job_.paths.IniFileName);
  machines_ = SortedMachineNames(ReadMachineList(ProfileFile(PostsFileToRead(job_.paths))));
  std::string wanted = prefs.ReadString(Defaults, "DEFMCH", "DMILL");
  if (job_.flags.BatchRun && !job_.paths.MachineName.empty()) wanted = job_.paths.MachineName;
  startupMacro = prefs.ReadString(Defaults, "DEFMAC1", "Startup");
  shutdownMacro = prefs.ReadString(Defaults, "DEFMAC2", "Shutdown");
  if (SelectMachine(wanted)) return;
  if (machines_.empty()) {
    machine_.clear();
    macros_.clear();
    return;
  }
  SelectMachine(machines_.front());
  job_.ui.Status(StatusChannel::General, "Machine \"" + wanted + "\" is not set up; \"" + machine_ + "\" is used");
}

bool NcGenerator::SelectMachine(const std::string& name) {
  int at = FindMachine(machines_, name);
  if (at < 0) return false;
  machine_ = machines_[static_cast<size_t>(at)];
  macros_ = ListMacros(ProfileFile(PostsFileToRead(job_.paths)), machine_);
  return true;
}

bool NcGenerator::ConfirmDxfName() {
  Message question{
      "Warning, You are About to generate a DXF file\nUsing a Machine Name that is NOT Setup\n"
      "to Generate DXF Format. Are you Sure ?",
      MsgKind::Confirmation,
      BtnYesNo,
      Answer::Yes,
      0,
      {}};
  return job_.ui.Show(question) == Answer::Yes;
}

// What the run used becomes the next run's default.  The macro names are the ones the run used, so a
// machine without such a macro does not wipe the default for the others.
void NcGenerator::WritePreferences() {
  ProfileFile(job_.paths.IniFileName)
      .WriteStrings(Defaults, {{"CHATTOL", chordTolerance},
                               {"MINRAD", minArcRadius},
                               {"DEFMCH", machine_},
                               {"DEFMAC1", startupMacro},
                               {"DEFMAC2", shutdownMacro}});
}

bool NcGenerator::Start() {
  if (running_) return false;
  RunningScope running(running_);
  const ProfileFile posts(PostsFileToRead(job_.paths));
  if (machine_.empty()) {
    job_.ui.Warn("No NC machine is set up in [" + posts.Path() + "]");
    return false;
  }
  // "NONE" stands for no file chosen yet (the overwrite question was cancelled); it is no file to write.
  if (ncFile_ == "NONE") {
    job_.ui.Warn("No NC file has been chosen: choose one with Generate NC-Code");
    return false;
  }
  PostJob run;
  run.machine = ReadMachineDefinition(posts, machine_);
  if (UpperCased(ncFile_).find(".DXF") != std::string::npos && run.machine.MTYPE != MachDxf && !ConfirmDxfName()) {
    return false;
  }
  run.params.chordTolerance = TextToDouble(job_.ui, chordTolerance);
  run.params.minArcRadius = TextToDouble(job_.ui, minArcRadius);
  run.params.rotaryRadius = rotaryRadius_;
  WritePreferences();
  run.startup = FindMacroLines(posts, machine_, startupMacro);
  run.shutdown = FindMacroLines(posts, machine_, shutdownMacro);
  PostResult result = TranslateClFile(job_.ui, clFile, ncFile_, run);
  rotaryRadius_ = result.rotaryRadius;
  blocks_ = result.blocks;
  return result.ok;
}

}  // namespace quill
