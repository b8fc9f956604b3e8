// The main window's picture: a full redraw of a 200,000-record tool path on the 1920 x 1080 screen
// image, the same with the image copied out every 10,000 records (what the screen sees while a long
// drawing runs), and one copy of the finished image.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "job/job.h"
#include "picture/picture_area_canvas.h"
#include "qtcanvas/picture_app.h"
#include "records/cl_record.h"
#include "ui/batch_ui.h"
#include "view/main_view.h"

namespace {

constexpr long kRecords = 200000;
constexpr int kWidth = 1920, kHeight = 1080;

// A Ui that copies the screen image out every so many pumps, as the picture's timer does.
class CopyingUi : public quill::BatchUi {
 public:
  void Pump() override {
    if (canvas && every > 0 && ++pumps % every == 0) benchmark::DoNotOptimize(canvas->Present().bits());
  }
  quill::ScreenCanvas* canvas = nullptr;
  long every = 0;
  long pumps = 0;
};

struct ScreenJob {
  std::string dir = (std::filesystem::temp_directory_path() / "quill_bench_picture").string() + "/";
  CopyingUi ui;
  quill::Job job{ui};
  ScreenJob() {
    std::filesystem::create_directories(dir);
    quill::BuildWorkFilePaths(job.paths, dir, dir);
    job.flags.ToolPathCreated = true;
    job.flags.DisplayIdle = true;
    job.prefs.ShowToolImage = false;
    job.view.ViewWindow = {-1, -1, 21, 11};
    quill::ClWriter cl(job.paths.CLFileName);
    cl.WriteRotaryRadius(0);
    for (long i = 0; i < kRecords; ++i) {
      double x = (i % 1000) * 0.02, y = (i / 1000) * 0.05;
      cl.Write(i % 50 == 0 ? quill::ClRapid : quill::ClFeed, x, y + (i % 2) * 0.02, -0.01, 6);
    }
    cl.WriteEnd();
  }
};

void Redraw(benchmark::State& state, long copyEvery) {
  quill::PictureApplication app;
  ScreenJob s;
  quill::ScreenCanvas canvas(kWidth, kHeight, 96);
  quill::MainView view(s.job, canvas);
  view.SetupView();
  s.ui.canvas = &canvas;
  s.ui.every = copyEvery;
  for (auto _ : state) {
    view.Paint();
    benchmark::DoNotOptimize(canvas.Present().bits());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_RedrawToolPath(benchmark::State& state) {
  Redraw(state, 0);
}
BENCHMARK(BM_RedrawToolPath)->Unit(benchmark::kMillisecond);

// The pump runs every 10 records: a copy every 1,000 pumps is one every 10,000 records.
void BM_RedrawToolPathWithCopies(benchmark::State& state) {
  Redraw(state, 1000);
}
BENCHMARK(BM_RedrawToolPathWithCopies)->Unit(benchmark::kMillisecond);

void BM_CopyScreenImage(benchmark::State& state) {
  quill::PictureApplication app;
  quill::ScreenCanvas canvas(kWidth, kHeight, 96);
  for (auto _ : state) benchmark::DoNotOptimize(canvas.Present().bits());
}
BENCHMARK(BM_CopyScreenImage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
