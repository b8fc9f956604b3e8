#include "raster/scanner.h"

#include <unistd.h>

#include <cerrno>
#include <sstream>

#include "job/job.h"
#include "mathlib/number_text.h"
#include "project/profile.h"
#include "raster/child_process.h"
#include "raster/picture_file.h"
#include "ui/ui.h"

namespace quill {

const char* const ScannerListFormat = "%d\t%v\t%m\t%t%n";

namespace {

constexpr int kListTimeout = 120;
constexpr int kScanTimeout = 900;

void ReportFailure(Ui& ui, const ScanSettings& settings, const ChildResult& r, const std::string& what) {
  if (r.status == ChildResult::NotStarted) {
    ui.Error("Scanning needs the program " + settings.program +
             " (Debian package sane-utils), which cannot be started.");
  } else if (r.status == ChildResult::TimedOut) {
    ui.Error(what + " did not finish in time and was stopped.");
  } else {
    std::string tail = TailLines(r.output, 4);
    ui.Error(what + " failed (status " + std::to_string(r.exitCode) + ")." + (tail.empty() ? "" : "\n" + tail));
  }
}

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, '\t')) out.push_back(part);
  return out;
}

}  // namespace

std::string ScannerDevice::Label() const {
  std::string label = vendor + " " + model;
  if (!type.empty()) label += " (" + type + ")";
  return label + " - " + name;
}

ScanSettings ReadScanSettings(const Job& job) {
  ProfileFile ini(job.paths.IniFileName);
  ScanSettings s;
  s.program = ini.ReadString(ScannerSection, "PROGRAM", s.program);
  s.device = ini.ReadString(ScannerSection, "DEVICE", "");
  int dpi = ini.ReadInt(ScannerSection, "RESOLUTION", s.resolution);
  if (dpi >= 25 && dpi <= 4800) s.resolution = dpi;
  std::string mode = ini.ReadString(ScannerSection, "MODE", s.mode);
  if (mode == "Lineart" || mode == "Gray" || mode == "Color") s.mode = mode;
  return s;
}

void WriteScanSettings(const Job& job, const ScanSettings& s) {
  ProfileFile(job.paths.IniFileName)
      .WriteStrings(ScannerSection, {{"DEVICE", s.device}, {"RESOLUTION", IntToText(s.resolution)}, {"MODE", s.mode}});
}

std::vector<ScannerDevice> ParseScannerList(const std::string& output) {
  std::vector<ScannerDevice> out;
  std::stringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> f = SplitTabs(line);
    if (f.size() < 4 || f[0].empty()) continue;
    out.push_back({f[0], f[1], f[2], f[3]});
  }
  return out;
}

ScannerList ListScanners(Ui& ui, const ScanSettings& settings) {
  BusyScope busy(ui);
  ChildRun run;
  run.argv = {settings.program, std::string("--formatted-device-list=") + ScannerListFormat};
  run.timeoutSeconds = kListTimeout;
  ChildResult r = RunChild(ui, run);
  ScannerList list;
  if (r.status == ChildResult::Cancelled) return list;
  if (!r.Succeeded()) {
    ReportFailure(ui, settings, r, "Looking for scanners");
    return list;
  }
  list.devices = ParseScannerList(r.output);
  list.ok = true;
  if (list.devices.empty()) {
    ui.Inform(
        "No scanner was found.\nConnect the scanner, switch it on and check that SANE knows it "
        "(scanimage -L lists the scanners SANE finds).");
  }
  return list;
}

Picture Scan(Ui& ui, const ScanSettings& settings, const std::string& workFile) {
  ::unlink(workFile.c_str());
  ChildRun run;
  run.argv = {settings.program,
              "--format=tiff",
              "--progress",
              "--output-file=" + workFile,
              "--resolution=" + IntToText(settings.resolution),
              "--mode=" + settings.mode};
  if (!settings.device.empty()) run.argv.insert(run.argv.begin() + 1, "--device-name=" + settings.device);
  run.timeoutSeconds = kScanTimeout;
  ChildResult r = RunWithProgress(ui, run, "Scanning");
  if (r.status == ChildResult::Cancelled) return {};
  if (!r.Succeeded()) {
    ReportFailure(ui, settings, r, "The scan");
    return {};
  }
  PictureRead read = ReadPictureFile(workFile);
  ::unlink(workFile.c_str());
  if (!read.Ok()) {
    ui.Error("The scanned picture cannot be read: " + read.error);
    return {};
  }
  return std::move(read.picture);
}

}  // namespace quill
