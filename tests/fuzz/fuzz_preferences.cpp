// Any bytes as the preferences file QUILLMAR.INI: every preference, the recent projects, the solid
// viewer read; written back; read again to the same values.
#include <cstddef>
#include <cstdint>

#include "fuzz_job.h"
#include "project/preferences_file.h"
#include "project/profile.h"

namespace {

// What the preferences file keeps, as the program reads it.
bool SamePreferences(const quill::Preferences& a, const quill::Preferences& b) {
  return a.DefaultExt == b.DefaultExt && a.ArtColor == b.ArtColor && a.RapidColor == b.RapidColor &&
         a.ShowToolPath == b.ShowToolPath && a.PrintLineWidth == b.PrintLineWidth &&
         a.ProjectionToleranceText == b.ProjectionToleranceText && a.RecentProjects == b.RecentProjects &&
         a.BlackBackground == b.BlackBackground;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quill;
  fuzz::FuzzJob f;
  Job& job = f.job;
  fuzz::InputFile("QUILLMAR.INI", data, size);
  ReadPreferences(job);
  ReadRecentSection(job);
  ReadSolidViewer(job);
  ProfileFile ini(job.paths.IniFileName);
  for (const std::string& section : ini.SectionNames()) ini.KeyNames(section);
  WritePreferences(job);
  WriteRecentSection(job);
  fuzz::FuzzJob g;
  ReadPreferences(g.job);
  ReadRecentSection(g.job);
  if (!SamePreferences(g.job.prefs, job.prefs) || g.job.paths.TapeDir != job.paths.TapeDir) __builtin_trap();
  return 0;
}
