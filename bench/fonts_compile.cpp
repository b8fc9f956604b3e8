// Compiling every bundled engraving font source, as the build does, and decompiling the results.
// The compiler syncs each font it finishes; "sync" runs measure that too, the others write to a
// scratch folder on a RAM disk when there is one, so the figure is the compiler's own work.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fonts/font_compiler.h"
#include "fonts/font_decompiler.h"
#include "ui/batch_ui.h"

namespace quill {
namespace {

const std::vector<std::string> kFonts{"SIMPLEX", "DUPLEX", "TRIPLEX", "SANS", "SCRIPT", "GOTHIC", "GREEK"};

struct Scratch {
  explicit Scratch(bool onDisk) {
    std::filesystem::path base = std::filesystem::temp_directory_path();
    if (!onDisk && ::access("/dev/shm", W_OK) == 0) base = "/dev/shm";
    std::string tmpl = (base / "quillbench.XXXXXX").string();
    dir = mkdtemp(tmpl.data()) ? tmpl : ".";
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string Font(const std::string& name) const { return dir + "/" + name + ".QXF"; }
  std::string dir;
};

std::string Source(const std::string& name) {
  return std::string(QUILL_SOURCE_DIR) + "/data/fonts/" + name + ".QXS";
}

void BM_CompileBundledFonts(benchmark::State& state) {
  Scratch s(state.range(0) != 0);
  BatchUi ui;
  int64_t bytes = 0;
  for (auto _ : state) {
    for (const auto& name : kFonts) CompileFont(ui, Source(name), s.Font(name));
  }
  for (const auto& name : kFonts) bytes += static_cast<int64_t>(std::filesystem::file_size(Source(name)));
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_CompileBundledFonts)->ArgName("sync")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DecompileBundledFonts(benchmark::State& state) {
  Scratch s(false);
  BatchUi ui;
  for (const auto& name : kFonts) CompileFont(ui, Source(name), s.Font(name));
  for (auto _ : state) {
    for (const auto& name : kFonts) DecompileFont(ui, s.Font(name), s.dir + "/" + name + ".QXS");
  }
}
BENCHMARK(BM_DecompileBundledFonts)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
