// A job in a temporary home for the raster tracing tests: its annotation file written line by line,
// its artwork read back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job.h"
#include "records/artwork_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

class RasterTest : public ::testing::Test {
 protected:
  RasterTest() : job(ui) { BuildWorkFilePaths(job.paths, home.path() + "/", test::BinaryDir() + "/data/"); }

  void WriteAnnotations(const std::vector<std::string>& lines) const {
    std::string text;
    for (const std::string& l : lines) text += l + "\r\n";
    test::WriteFile(job.paths.AntFileName, text);
  }

  std::vector<ArtRecord> Artwork() const {
    std::vector<ArtRecord> out;
    ArtReader in(job.paths.ArtFileName);
    ArtRecord rec;
    while (in.Next(rec)) out.push_back(rec);
    return out;
  }

  test::TempDir home;
  TestUi ui;
  Job job;
};

inline void ExpectLine(const ArtRecord& rec, double x1, double y1, double x2, double y2, double tolerance = 1e-9) {
  EXPECT_EQ(rec.kind, ArtLine);
  EXPECT_NEAR(rec.v[0], x1, tolerance);
  EXPECT_NEAR(rec.v[1], y1, tolerance);
  EXPECT_NEAR(rec.v[2], x2, tolerance);
  EXPECT_NEAR(rec.v[3], y2, tolerance);
}

}  // namespace quill
