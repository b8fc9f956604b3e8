// The NC-code generator: what its window keeps (machine, macros, tolerances, output name) and its
// Start, so the window, the unattended run and the toolbox all run the same steps.
#pragma once

#include <string>
#include <vector>

namespace quill {

class Job;

class NcGenerator {
 public:
  explicit NcGenerator(Job& job);

  // The window's creation: the tolerance fields from the preferences.
  void Load();
  // Each showing: the machine list, the default machine and macros; in an unattended run the project's
  // machine.  A machine that is not set up leaves the first one of the list chosen.
  void Show();

  void SetNcFileName(const std::string& name) { ncFile_ = name; }
  const std::string& NcFileName() const { return ncFile_; }

  const std::vector<std::string>& Machines() const { return machines_; }  // sorted
  const std::string& Machine() const { return machine_; }
  // Chooses a machine of the list (without regard to case); false when it is not set up.
  bool SelectMachine(const std::string& name);
  // The macros of the chosen machine, as both macro boxes list them.
  const std::vector<std::string>& Macros() const { return macros_; }

  // Start: the machine read again, the ".DXF" question, the preferences written, the run.  False when
  // no NC file was written (declined, an error shown, or a run already in progress).
  bool Start();
  // The lines of the NC file the last Start wrote.
  long Blocks() const { return blocks_; }

  std::string clFile;                    // the cutter-location file (QUILLMAR.CL)
  std::string chordTolerance = "0.001";  // "Arc Cutting Tolerance", as typed
  std::string minArcRadius = "0.001";    // "Smallest Arc Radius", as typed
  std::string startupMacro = "Startup";
  std::string shutdownMacro = "Shutdown";

 private:
  bool ConfirmDxfName();
  void WritePreferences();

  Job& job_;
  std::string ncFile_ = "NONE";
  std::vector<std::string> machines_;
  std::string machine_;
  std::vector<std::string> macros_;
  double rotaryRadius_ = 0;
  long blocks_ = 0;
  bool running_ = false;
};

}  // namespace quill
