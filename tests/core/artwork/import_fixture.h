// A job in a temporary home for the import tests, and the artwork records it ends up with.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job/job.h"
#include "records/artwork_record.h"
#include "test_support.h"
#include "ui/test_ui.h"

namespace quill {

class ImportTest : public ::testing::Test {
 protected:
  ImportTest() : job(ui) { BuildWorkFilePaths(job.paths, home.path() + "/", test::BinaryDir() + "/data/"); }

  std::vector<ArtRecord> Artwork() const {
    std::vector<ArtRecord> out;
    ArtReader in(job.paths.ArtFileName);
    ArtRecord rec;
    while (in.Next(rec)) out.push_back(rec);
    return out;
  }

  // Writes content to a file of the home and returns its path.
  std::string Input(const std::string& name, const std::string& content) const {
    std::string path = home.File(name);
    test::WriteFile(path, content);
    return path;
  }

  test::TempDir home;
  TestUi ui;
  Job job;
};

inline void ExpectRecord(const ArtRecord& rec, int kind, std::vector<double> v, double tolerance = 1e-9) {
  EXPECT_EQ(rec.kind, kind);
  for (size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(rec.v[i], v[i], tolerance) << "field " << i;
}

}  // namespace quill
