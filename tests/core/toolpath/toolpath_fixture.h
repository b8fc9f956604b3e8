// A job in a temporary home with a scripted Ui, and small writers of its work files.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job.h"
#include "records/artwork_record.h"
#include "records/textpath_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

class ToolPathTest : public ::testing::Test {
 protected:
  ToolPathTest() : job(ui) { BuildWorkFilePaths(job.paths, home.path() + "/", home.path() + "/"); }

  // A text path; the job then has one.
  void WriteTextPath(const std::vector<TextPathRecord>& recs) {
    TextPathWriter out(job.paths.TextPathFileName);
    for (const auto& r : recs) out.Write(r);
    out.Close();
    job.flags.TextPathGenerated = true;
  }

  // Artwork lines as they stand; the job then has artwork.
  void WriteArtwork(const std::string& content) {
    test::WriteFile(job.paths.ArtFileName, content);
    job.flags.ArtworkPresent = true;
  }

  std::vector<std::string> ClLines() const { return test::ReadLines(job.paths.CLFileName); }

  test::TempDir home;
  TestUi ui;
  Job job;
};

inline TextPathRecord Move(double x, double y) {
  return {TpMove, 0, x, y, 0, 0, 0};
}
inline TextPathRecord Line(double x, double y) {
  return {TpLine, 0, x, y, 0, 0, 0};
}
inline TextPathRecord Arc(int16_t kind, double x, double y, double r, double cx, double cy) {
  return {kind, 0, x, y, r, cx, cy};
}
inline TextPathRecord Mark(int16_t kind, int16_t value = 0) {
  return {kind, value, 0, 0, 0, 0, 0};
}

// A cutter-location line as the writer puts it.
std::string Cl(int code, double x, double y, double z, double f, double cx = 0, double cy = 0);

// Compares a file with its golden copy beside the tests, numbers within 1e-9 (the last digits of sines
// differ between libraries).  With QUILL_UPDATE_GOLDEN set the golden copy is rewritten instead.
void ExpectGolden(const std::string& actualPath, const std::string& goldenName);

}  // namespace quill
