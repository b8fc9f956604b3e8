// A job in a memory-backed home for the import harnesses, and a check of the artwork file they leave.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "job/job.h"
#include "job/paths.h"
#include "records/artwork_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill::fuzz {

struct ImportHome {
  ImportHome() {
    if (std::filesystem::is_directory("/dev/shm")) ::setenv("TMPDIR", "/dev/shm", 0);
    dir = std::make_unique<test::TempDir>();
  }
  std::unique_ptr<test::TempDir> dir;
};

inline const test::TempDir& Home() {
  static ImportHome home;
  return *home.dir;
}

// The input as a file of the home.
inline std::string InputFile(const char* name, const uint8_t* data, size_t size) {
  std::string path = Home().File(name);
  test::WriteFile(path, std::string(reinterpret_cast<const char*>(data), size));
  return path;
}

struct FuzzJob {
  FuzzJob() : job(ui) {
    BuildWorkFilePaths(job.paths, Home().path() + "/", Home().path() + "/data/");
    // Drawing texts are engraved in a font that is not there: the generator stops at once.
    job.settings.BFONTTYPE = 0;
    job.paths.EngraveFontFile = "NOFONT.QXF";
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

}  // namespace quill::fuzz
