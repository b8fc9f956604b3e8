// A TMG file may hold anything: its import must end and write only lines and arcs.
#include <cstddef>
#include <cstdint>

#include "artwork/tmg_import.h"
#include "fuzz_job.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::fuzz::FuzzJob f;
  auto result = quill::ImportTmg(f.job, quill::fuzz::InputFile("FUZZ.TMG", data, size), true);
  if (result.status != quill::ImportResult::Done) __builtin_trap();
  quill::fuzz::CheckArtwork(f.job, quill::ArtLine, quill::ArtArcCcw);
  return 0;
}
