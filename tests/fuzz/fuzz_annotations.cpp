// An annotation file may hold anything: reading it back for the window, reading its marks and
// converting its lines must end, and write only line records with finite numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "fuzz_job.h"
#include "raster/annotations.h"
#include "raster/trace_conversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quill::fuzz::FuzzJob f;
  f.job.paths.AntFileName = quill::fuzz::InputFile("QUILLPRO.ANT", data, size);
  std::remove(f.job.paths.ArtFileName.c_str());
  quill::Annotations shown = quill::ReadAnnotationFile(f.job.paths.AntFileName);
  for (const quill::Annotation& a : shown) {
    if (!std::isfinite(a.x1) || !std::isfinite(a.y1) || !std::isfinite(a.x2) || !std::isfinite(a.y2)) __builtin_trap();
  }
  quill::ConvertTracing(f.job, 2.5, -1.0);
  quill::fuzz::CheckArtwork(f.job, quill::ArtLine, quill::ArtLine);
  quill::ArtReader in(f.job.paths.ArtFileName);
  quill::ArtRecord rec;
  while (in.Next(rec)) {
    for (double v : rec.v) {
      if (!std::isfinite(v)) __builtin_trap();
    }
  }
  return 0;
}
