// The picture of a small job compared with its golden image.  QUILL_UPDATE_GOLDEN=1 writes the golden
// image anew; a mismatch leaves the actual picture and a difference image in the build folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "mathlib/constants.h"
#include "pixel_canvas.h"
#include "view/picture.h"
#include "view_fixture.h"

namespace quill {
namespace {

constexpr double kTolerance = 0.002;  // share of pixels that may differ

void WriteSampleJob(test::ViewJob& j) {
  {
    auto tp = j.TextPath();
    tp.Write(TpCharStart, 'D');
    tp.Write(TpMove, 0, 0.5, 0.5);
    tp.Write(TpLine, 0, 0.5, 1.5);
    tp.Write(TpArcCw, 0, 0.5, 0.5, 0.5, 0.5, 1.0);
    tp.Write(TpCharEnd, 0);
    tp.Write(TpMove, 0, 1.5, 0.5);
    tp.Write(TpLine, 0, 2.0, 1.5);
    tp.Write(TpLine, 0, 2.5, 0.5);
  }
  {
    auto art = j.Artwork();
    art.Line(0, 0, 3, 0);
    art.Line(3, 0, 3, 2);
    art.Arc(ArtArcCcw, 1.5, 2, 1.5, 0, Pi);
  }
  auto cl = j.ToolPath();
  cl.WriteRotaryRadius(0);
  cl.Write(ClRapid, 0.5, 0.5, 0.1, 0);
  cl.Write(ClFeed, 0.5, 0.5, -0.01, 2);
  cl.Write(ClFeed, 0.5, 1.5, -0.01, 6);
  cl.Write(ClArcCw, 0.5, 0.5, -0.01, 6, 0.5, 1.0);
  cl.Write(ClRapid, 1.5, 0.5, 0.1, 0);
  cl.Write(ClFeed, 2.0, 1.5, -0.01, 6);
  cl.Write(ClFeed, 2.5, 0.5, -0.01, 6);
  cl.WriteEnd();
  j.job.prefs.ShowAxes = true;
  j.job.prefs.ShowRuler = true;
  j.job.view.ViewWindow = {-0.5, -0.5, 3.5, 3.8};
}

TEST(GoldenPicture, SampleJob) {
  test::ViewJob j;
  WriteSampleJob(j);
  test::PixelCanvas canvas(320, 240);
  DrawPicture(j.job, canvas);

  std::string golden = test::SourceDir() + "/tests/core/view/golden/sample_job.ppm";
  if (std::getenv("QUILL_UPDATE_GOLDEN")) {
    ASSERT_TRUE(canvas.WritePpm(golden));
  }
  int w = 0, h = 0;
  std::vector<Color> expected;
  ASSERT_TRUE(test::PixelCanvas::ReadPpm(golden, w, h, expected)) << golden;
  ASSERT_EQ(w, canvas.Width());
  ASSERT_EQ(h, canvas.Height());
  test::PixelCanvas diff(w, h);
  long differing = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (canvas.At(x, y) == expected[static_cast<size_t>(y) * w + x]) continue;
      ++differing;
      diff.SetPen(clRed, 1, PenStyle::Solid);
      diff.MoveTo(x, y);
      diff.LineTo(x + 1, y);
    }
  }
  if (differing > kTolerance * w * h) {
    std::string dir = test::BinaryDir() + "/view_golden_failures";
    std::filesystem::create_directories(dir);
    canvas.WritePpm(dir + "/sample_job.actual.ppm");
    diff.WritePpm(dir + "/sample_job.diff.ppm");
    FAIL() << differing << " pixels differ; see " << dir << "/sample_job.actual.ppm and sample_job.diff.ppm";
  }
  // Sanity of the golden picture itself: each result drew in its own colour.
  auto count = [&](Color c) { return std::count(expected.begin(), expected.end(), c); };
  EXPECT_GT(count(j.job.prefs.ArtColor), 300);
  EXPECT_GT(count(j.job.prefs.ToolPathColor), 100);
  EXPECT_GT(count(j.job.prefs.RapidColor), 20);
}

}  // namespace
}  // namespace quill
