// Loading a 1,000-character text from the bundled engraving fonts, character by character into the line
// work file, as the text path generation does.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "fonts/compiled_font.h"
#include "fonts/font_compiler.h"
#include "fonts/font_loader.h"
#include "records/textpath_record.h"
#include "ui/batch_ui.h"

namespace quill {
namespace {

constexpr int kTextLength = 1000;

// The font compiled into a scratch folder, opened once as the generation opens it once per run.
struct BenchFont {
  explicit BenchFont(const std::string& name) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "quillbench.XXXXXX").string();
    dir = mkdtemp(tmpl.data()) ? tmpl : ".";
    CompileFont(ui, std::string(QUILL_SOURCE_DIR) + "/data/fonts/" + name + ".QXS", dir + "/F.QXF");
    font.Open(dir + "/F.QXF");
    for (int i = 0; i < kTextLength; ++i) text += static_cast<char>(' ' + (i * 37) % 95);
  }
  ~BenchFont() {
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
  }
  std::string dir, text;
  BatchUi ui;
  CompiledFont font;
};

void BM_LoadFontCharacter(benchmark::State& state, const char* name) {
  BenchFont b(name);
  long records = 0;
  for (auto _ : state) {
    TextPathWriter out(b.dir + "/QMLINE.TMP");
    CharExtent extent;
    for (char c : b.text) LoadFontCharacter(b.ui, b.font, static_cast<unsigned char>(c), 0.33, out, extent);
    records = out.Count();
    out.Close();
  }
  state.counters["records"] = static_cast<double>(records);
  state.SetItemsProcessed(state.iterations() * kTextLength);
}
BENCHMARK_CAPTURE(BM_LoadFontCharacter, simplex, "SIMPLEX")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadFontCharacter, gothic, "GOTHIC")->Unit(benchmark::kMillisecond);

// Opening the font: the one pass that finds where each character starts.
void BM_OpenFont(benchmark::State& state) {
  BenchFont b("TRIPLEX");
  for (auto _ : state) {
    CompiledFont f;
    benchmark::DoNotOptimize(f.Open(b.dir + "/F.QXF"));
  }
}
BENCHMARK(BM_OpenFont)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quill

BENCHMARK_MAIN();
