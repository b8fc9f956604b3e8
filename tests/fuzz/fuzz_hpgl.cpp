// A plot file may hold anything: the HPGL import must end and write only line records.
#include <cstddef>
#include <cstdint>

#include "artwork/hpgl_import.h"
#include "fuzz_job.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::fuzz::FuzzJob f;
  auto result = quill::ImportHpgl(f.job, quill::fuzz::InputFile("FUZZ.PLT", data, size));
  if (result.status != quill::ImportResult::Done) __builtin_trap();
  quill::fuzz::CheckArtwork(f.job, quill::ArtLine, quill::ArtLine);
  return 0;
}
