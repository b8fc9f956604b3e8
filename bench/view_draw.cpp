// Drawing a tool path of 1,000,000 cutter-location records: to the recording surface (the drawing
// pipeline alone), to the metafile writer and to a 1920 x 1080 image through Qt's painter.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "job/job.h"
#include "records/cl_record.h"
#include "ui/batch_ui.h"
#include "view/draw_job.h"
#include "view/main_view.h"
#include "view/picture.h"
#include "view/recording_canvas.h"
#ifdef QUILL_HAVE_QTCANVAS
#include <QImage>

#include "qtcanvas/picture_app.h"
#include "qtcanvas/qt_canvas.h"
#endif

namespace {

constexpr long kRecords = 1000000;

// A job whose tool path zig-zags over 20 x 10 inches with a rapid and an arc every 50 records.
struct BigJob {
  std::string dir = (std::filesystem::temp_directory_path() / "quill_bench_view").string() + "/";
  quill::BatchUi ui;
  quill::Job job{ui};
  BigJob() {
    std::filesystem::create_directories(dir);
    quill::BuildWorkFilePaths(job.paths, dir, dir);
    job.flags.ToolPathCreated = true;
    job.prefs.ShowToolWidth = false;
    job.view.ViewWindow = {-1, -1, 21, 11};
    if (std::filesystem::exists(job.paths.CLFileName)) return;
    quill::ClWriter cl(job.paths.CLFileName);
    cl.WriteRotaryRadius(0);
    for (long i = 0; i < kRecords; ++i) {
      double x = (i % 1000) * 0.02, y = (i / 1000) * 0.01;
      if (i % 50 == 0) {
        cl.Write(quill::ClRapid, x, y, 0.1, 0);
      } else if (i % 50 == 25) {
        cl.Write(quill::ClArcCcw, x, y, -0.01, 6, x - 0.01, y);
      } else {
        cl.Write(quill::ClFeed, x, y + (i % 2) * 0.005, -0.01, 6);
      }
    }
    cl.WriteEnd();
  }
};

BigJob& Job() {
  static BigJob job;
  return job;
}

void Draw(quill::Job& job, quill::Canvas& canvas) {
  quill::Trwindow view;
  view.Attach(canvas);
  view.SetAspect(canvas.Width(), canvas.Height());
  const auto& w = job.view.ViewWindow;
  view.SetWindow(w.Xmin, w.Ymin, w.Xmax, w.Ymax);
  view.MapToCanvas(canvas);
  quill::DrawJob(job, view, canvas, false);
}

void BM_ToolPathToRecordingSurface(benchmark::State& state) {
  BigJob& b = Job();
  for (auto _ : state) {
    quill::RecordingCanvas canvas(1920, 1080, 96, false);
    Draw(b.job, canvas);
    benchmark::DoNotOptimize(canvas.Lines());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ToolPathToRecordingSurface)->Unit(benchmark::kMillisecond);

void BM_ToolPathToMetafile(benchmark::State& state) {
  BigJob& b = Job();
  for (auto _ : state) benchmark::DoNotOptimize(quill::WriteMetafile(b.job, b.dir + "BENCH.EMF", 1920, 1080));
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ToolPathToMetafile)->Unit(benchmark::kMillisecond);

#ifdef QUILL_HAVE_QTCANVAS
void BM_ToolPathToImage(benchmark::State& state) {
  BigJob& b = Job();
  quill::PictureApplication app;
  for (auto _ : state) {
    QImage image(1920, 1080, QImage::Format_RGB32);
    image.fill(Qt::white);
    quill::QtCanvas canvas(image, 96);
    Draw(b.job, canvas);
    canvas.End();
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ToolPathToImage)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
