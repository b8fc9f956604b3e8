// DXF import of a 200,000-entity drawing (lines, arcs, circles, light polylines, splines, inserts, texts)
// written by ezdxf, compared with ezdxf reading the same file ("ezdxf_s": its processor seconds).
// The drawing streams through the reader, so the resident size must not grow with it ("rss_growth_kb").
//
// The drawing is made once by bench/make_dxf_bench.py (python3-ezdxf) into the build folder; set
// QUILL_DXF_BENCH to use another file (its ezdxf figure is then not known).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "bench_support.h"

namespace quill {
namespace {

struct Drawing {
  std::string path;
  double ezdxfSeconds = 0;  // 0: not measured
};

// Runs the generator when the drawing is not there yet; it prints ezdxf's reading time, kept beside it.
const Drawing& BenchDrawing() {
  static Drawing d = [] {
    Drawing out;
    if (const char* given = std::getenv("QUILL_DXF_BENCH")) {
      out.path = given;
      return out;
    }
    out.path = std::string(QUILL_BINARY_DIR) + "/dxf_bench_200k.dxf";
    std::string figure = out.path + ".ezdxf";
    if (!std::filesystem::exists(out.path)) {
      std::string command = "/usr/bin/python3 " + std::string(QUILL_SOURCE_DIR) + "/bench/make_dxf_bench.py " +
                            out.path + " 200000 > " + figure;
      if (std::system(command.c_str()) != 0) std::filesystem::remove(out.path);
    }
    std::ifstream(figure) >> out.ezdxfSeconds;
    return out;
  }();
  return d;
}

// engraveTexts false: the engraving font is missing, so the text path generator stops at the first text
// and the figure is the reader's own.
void Convert(benchmark::State& state, bool arcFit, bool engraveTexts) {
  const Drawing& drawing = BenchDrawing();
  if (!std::filesystem::exists(drawing.path)) {
    state.SkipWithError("no drawing: python3-ezdxf is needed to write it");
    return;
  }
  bench::BenchJob bench;
  Job& job = bench.job;
  if (!engraveTexts) {
    job.settings.BFONTTYPE = 0;
    job.paths.EngraveFontFile = "NOFONT.QXF";
  }
  DxfConversion how;
  how.arcFit = arcFit;
  long before = bench::PeakResidentKb();
  for (auto _ : state) {
    UiDxfStatus status(bench.ui);
    benchmark::DoNotOptimize(DxfToTmg(job, drawing.path, bench.dir + "/DXFTMP.TMG", how, status));
  }
  state.counters["rss_growth_kb"] = static_cast<double>(bench::PeakResidentKb() - before);
  state.counters["mb_per_s"] = benchmark::Counter(
      static_cast<double>(std::filesystem::file_size(drawing.path)) / 1e6 * static_cast<double>(state.iterations()),
      benchmark::Counter::kIsRate);
  if (drawing.ezdxfSeconds > 0) state.counters["ezdxf_s"] = drawing.ezdxfSeconds;
}

void BM_DxfToTmg(benchmark::State& state) {
  Convert(state, false, true);
}
void BM_DxfToTmgArcFit(benchmark::State& state) {
  Convert(state, true, true);
}
void BM_DxfToTmgWithoutTexts(benchmark::State& state) {
  Convert(state, false, false);
}

BENCHMARK(BM_DxfToTmg)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_DxfToTmgArcFit)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_DxfToTmgWithoutTexts)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
