// The Art Workshop's window on a 100,000-entity drawing far from the origin, driven as the operator
// drives it on a 1920 x 1080 paint box (offscreen): a click that picks an entity (the old selection is
// cleared and the picture drawn again), a window selection by mouse, View > Redraw, View > Extents, and
// opening the drawing from the artwork file and saving it back.  Each includes the copy of the picture
// the screen would show.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <memory>

#include "artwork/art_workshop.h"
#include "artwork/dxf_import_options.h"
#include "artwork/dxf_status_form.h"
#include "artwork/workshop/artwork_file.h"
#include "artwork/workshop/session.h"
#include "artwork/workshop_paint_box.h"
#include "bench_support.h"
#include "mathlib/constants.h"
#include "shell/qt_ui.h"
#include "shell/window_directory.h"

namespace quill {
namespace {

constexpr int kCells = 50000;  // a line and an arc each
constexpr int kRow = 250;      // cells in a row
constexpr double kPitch = 2, kOrigin = 5000;

std::vector<tgEntity> Lattice() {
  std::vector<tgEntity> out;
  out.reserve(2 * kCells);
  for (int i = 0; i < kCells; ++i) {
    double x = kOrigin + (i % kRow) * kPitch, y = kOrigin + (i / kRow) * kPitch;
    tgEntity line, arc;
    line.SetLine(x, y, 0, x + 1.5, y, 0);
    arc.SetArc(x + 0.75, y + 0.75, 0, 0.5, 0, i % 3 ? Pi : TwoPi);
    arc.SetCCW(i % 5 != 0);
    out.push_back(line);
    out.push_back(arc);
  }
  return out;
}

struct Window {
  Window() : status(nullptr), dxf(bench.job, status), workshop(context, dxf) {
    bench.job.flags.ArtworkPresent = false;
    workshop.Document().Reset(Lattice());
    workshop.Document().loaded = true;
    workshop.Open();
    // The offscreen screen is small: the window is made as large as a full-HD desktop's.
    workshop.showNormal();
    workshop.resize(1940, 1200);
    QApplication::processEvents();
    workshop.Session().ViewExtents();
  }
  void Mouse(QEvent::Type type, double x, double y) {
    PixelPoint p = workshop.Session().View().WorldToPixel(x, y);
    QPointF at(p.x, p.y);
    Qt::MouseButtons held = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, workshop.PaintBox().mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  held, Qt::NoModifier);
    QApplication::sendEvent(&workshop.PaintBox(), &e);
  }
  void Shown() { benchmark::DoNotOptimize(workshop.PaintBox().Image().bits()); }

  bench::BenchJob bench;
  QtUi qtUi;
  WindowDirectory windows{bench.job.ui};
  DesktopContext context{bench.job, qtUi, windows};
  DxfStatusForm status;
  TDxfImportDlg dxf;
  TArtWorkshop workshop;
};

// Made on first use and taken down before the application object goes.
std::unique_ptr<Window> shared;

Window& Shared() {
  if (!shared) shared = std::make_unique<Window>();
  return *shared;
}

void BM_ClickPick(benchmark::State& state) {
  Window& w = Shared();
  for (auto _ : state) {
    w.Mouse(QEvent::MouseButtonPress, kOrigin + 100 * kPitch + 0.7, kOrigin + 100 * kPitch);
    w.Mouse(QEvent::MouseButtonRelease, kOrigin + 100 * kPitch + 0.7, kOrigin + 100 * kPitch);
    w.Shown();
  }
  if (w.workshop.Document().SelectedCount() != 1) state.SkipWithError("the click picked nothing");
  state.counters["width"] = w.workshop.PaintBox().width();
  state.counters["height"] = w.workshop.PaintBox().height();
}
BENCHMARK(BM_ClickPick)->Unit(benchmark::kMillisecond);

void BM_SelectByWindow(benchmark::State& state) {
  Window& w = Shared();
  double x1 = kOrigin - 1, y1 = kOrigin - 1, x2 = kOrigin + 125 * kPitch, y2 = kOrigin + 100 * kPitch;
  for (auto _ : state) {
    w.workshop.MenuItem("Select Window")->trigger();
    w.Mouse(QEvent::MouseButtonPress, x1, y1);
    w.Mouse(QEvent::MouseMove, x2, y2);
    w.Mouse(QEvent::MouseButtonRelease, x2, y2);
    w.Shown();
  }
  state.counters["selected"] = static_cast<double>(w.workshop.Document().SelectedCount());
}
BENCHMARK(BM_SelectByWindow)->Unit(benchmark::kMillisecond);

void BM_Redraw(benchmark::State& state) {
  Window& w = Shared();
  for (auto _ : state) {
    w.workshop.MenuItem("Redraw")->trigger();
    w.Shown();
  }
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

void BM_Extents(benchmark::State& state) {
  Window& w = Shared();
  for (auto _ : state) {
    w.workshop.MenuItem("Extents")->trigger();
    w.Shown();
  }
}
BENCHMARK(BM_Extents)->Unit(benchmark::kMillisecond);

// Closing with Yes (the unattended Ui's answer) saves; opening again loads the file.
void BM_SaveAndOpen(benchmark::State& state) {
  Window& w = Shared();
  for (auto _ : state) {
    w.workshop.close();
    w.workshop.Open();
    w.Shown();
  }
  state.counters["entities"] = static_cast<double>(w.workshop.Document().Size());
}
BENCHMARK(BM_SaveAndOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  quill::shared.reset();
  benchmark::Shutdown();
  return 0;
}
