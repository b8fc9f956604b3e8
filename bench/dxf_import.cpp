// DXF import of a 200,000-entity drawing (lines, arcs, circles, polylines with bulges, splines, 40,000
// texts, inserts of symbol and title blocks) written by ezdxf, compared with ezdxf reading the same file
// ("ezdxf_s": its processor seconds).  The drawing streams through the reader, so the resident size must
// not grow with it ("rss_growth_kb").  The whole import also reports its work files: the text path
// ("textpath_mb", scratch) next to the artwork it ends in ("artwork_mb").
//
// The drawing is made once by bench/make_dxf_bench.py (python3-ezdxf) into the build folder; set
// QUILL_DXF_BENCH to use another file (its ezdxf figure is then not known).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "artwork/dxf_import.h"
#include "artwork/dxf_status.h"
#include "artwork/dxf_to_tmg.h"
#include "artwork/import_artwork.h"
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

double FileMb(const std::string& path) {
  std::error_code ec;
  const auto n = std::filesystem::file_size(path, ec);
  return ec ? 0 : static_cast<double>(n) / 1e6;
}

void Report(benchmark::State& state, const Drawing& drawing) {
  state.counters["mb_per_s"] = benchmark::Counter(FileMb(drawing.path) * static_cast<double>(state.iterations()),
                                                  benchmark::Counter::kIsRate);
  if (drawing.ezdxfSeconds > 0) state.counters["ezdxf_s"] = drawing.ezdxfSeconds;
}

bool Present(benchmark::State& state, const Drawing& drawing) {
  if (std::filesystem::exists(drawing.path)) return true;
  state.SkipWithError("no drawing: python3-ezdxf is needed to write it");
  return false;
}

// engraveTexts false: the engraving font is missing, so the text path generator stops at the first text
// and the figure is the reader's own.
// toNull: the TMG goes to /dev/null, so the figure leaves out the kernel's copy of its 660 MB of text.
void Convert(benchmark::State& state, bool arcFit, bool engraveTexts, bool toNull = false) {
  const Drawing& drawing = BenchDrawing();
  if (!Present(state, drawing)) return;
  bench::BenchJob bench;
  Job& job = bench.job;
  if (!engraveTexts) {
    job.settings.BFONTTYPE = 0;
    job.paths.EngraveFontFile = "NOFONT.QXF";
  }
  DxfConversion how;
  how.arcFit = arcFit;
  const std::string tmg = toNull ? std::string("/dev/null") : bench.dir + "/DXFTMP.TMG";
  long before = bench::PeakResidentKb();
  for (auto _ : state) {
    // An import writes into a new scratch folder: the last round's file is not the reader's to truncate.
    state.PauseTiming();
    if (!toNull) std::filesystem::remove(tmg);
    state.ResumeTiming();
    UiDxfStatus status(bench.ui);
    benchmark::DoNotOptimize(DxfToTmg(job, drawing.path, tmg, how, status));
  }
  state.counters["rss_growth_kb"] = static_cast<double>(bench::PeakResidentKb() - before);
  Report(state, drawing);
}

// What Import Artwork does with the drawing: the conversion, the texts engraved into the text path, the
// TMG and the text path turned into the artwork file.
void BM_ImportDxf(benchmark::State& state) {
  const Drawing& drawing = BenchDrawing();
  if (!Present(state, drawing)) return;
  bench::BenchJob bench;
  Job& job = bench.job;
  DxfImportOptions options;
  long records = 0;
  for (auto _ : state) {
    job.flags.TextPathGenerated = false;  // every import starts its own text path
    UiDxfStatus status(bench.ui);
    records = ImportArtwork(job, drawing.path, options, {{}, &status}, true).records;
  }
  state.counters["records"] = static_cast<double>(records);
  state.counters["textpath_mb"] = FileMb(job.paths.TextPathFileName);
  state.counters["artwork_mb"] = FileMb(job.paths.ArtFileName);
  Report(state, drawing);
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
void BM_DxfReaderWithoutTexts(benchmark::State& state) {
  Convert(state, false, false, true);
}

BENCHMARK(BM_ImportDxf)->Unit(benchmark::kMillisecond)->Iterations(1)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DxfToTmg)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_DxfToTmgArcFit)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_DxfToTmgWithoutTexts)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();
BENCHMARK(BM_DxfReaderWithoutTexts)->Unit(benchmark::kMillisecond)->Iterations(3)->MeasureProcessCPUTime();

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
