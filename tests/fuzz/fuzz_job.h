// A job in a memory-backed home for the harnesses, the input written as one of its files, and the
// checks they share: artwork records of the expected kinds, and a drawing of whatever the job holds.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "job/job.h"
#include "job/paths.h"
#include "records/artwork_record.h"
#include "test_support.h"
#include "ui/test_ui.h"
#include "view/main_view.h"
#include "view/recording_canvas.h"

namespace quill::fuzz {

// Saves sync their files to disk; a memory-backed folder keeps thousands of inputs a second.
struct MemoryHome {
  MemoryHome() {
    if (std::filesystem::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 0);
    dir = std::make_unique<test::TempDir>();
  }
  std::unique_ptr<test::TempDir> dir;
};

inline const test::TempDir& Home() {
  static MemoryHome home;
  return *home.dir;
}

// The input as a file of the home.
inline std::string InputFile(const char* name, const uint8_t* data, size_t size) {
  std::string path = Home().File(name);
  test::WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
  return path;
}

// The installed data (fonts, machines) of the source tree.
inline std::string DataDir() { return test::SourceDir() + "/data/"; }

struct FuzzJob {
  // withData: the source tree's fonts and machines; without, drawing texts are engraved in a font that
  // is not there, so the generator stops at once.
  explicit FuzzJob(bool withData = false) : job(ui) {
    BuildWorkFilePaths(job.paths, Home().path() + "/", withData ? DataDir() : Home().path() + "/data/");
    job.paths.PostsIniFile = Home().File("QPOSTS.INI");
    if (!withData) {
      job.settings.BFONTTYPE = 0;
      job.paths.EngraveFontFile = "NOFONT.QXF";
    }
  }
  TestUi ui;
  Job job;
};

// Every line the importer wrote must read back as an artwork record of the kinds it writes.
inline void CheckArtwork(const Job& job, int lowestKind, int highestKind) {
  LineReader lines(job.paths.ArtFileName);
  std::string line;
  ArtRecord rec;
  while (lines.Next(line)) {
    if (!ParseArtRecord(line, rec) || rec.kind < lowestKind || rec.kind > highestKind) __builtin_trap();
  }
}

// The view to the job's extents and one painting of it, as the main window shows it.
inline void DrawJobOnce(Job& job) {
  RecordingCanvas canvas(640, 480, 96, false);
  MainView view(job, canvas);
  view.SetupView();
  view.Extents();
  view.Paint();
}

}  // namespace quill::fuzz
