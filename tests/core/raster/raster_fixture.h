// A job in a temporary home for the raster tracing tests (the import tests' job), its annotation file
// written line by line.
#pragma once

#include <string>
#include <vector>

#include "../artwork/import_fixture.h"

namespace quill {

class RasterTest : public ImportTest {
 protected:
  void WriteAnnotations(const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    test::WriteFile(job.paths.AntFileName, text);
  }
};

inline void ExpectLine(const ArtRecord& rec, double x1, double y1, double x2, double y2) {
  ExpectRecord(rec, ArtLine, {x1, y1, x2, y2});
}

}  // namespace quill
