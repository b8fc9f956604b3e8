// quill: the headless toolbox.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "cli_args.h"
#include "commands.h"

namespace {

struct Command {
  const char* name;
  int (*run)(const quill::cli::Words&);
  const char* usage;
};

const Command kCommands[] = {
    {"run", quill::cli::CmdRun, quill::cli::RunUsage},
    {"eval", quill::cli::CmdEval, quill::cli::EvalUsage},
    {"format", quill::cli::CmdFormat, quill::cli::FormatUsage},
    {"font", quill::cli::CmdFont, quill::cli::FontUsage},
    {"post", quill::cli::CmdPost, quill::cli::PostUsage},
    {"import", quill::cli::CmdImport, quill::cli::ImportUsage},
    {"render", quill::cli::CmdRender, quill::cli::RenderUsage},
    {"artwork", quill::cli::CmdArtwork, quill::cli::ArtworkUsage},
    {"check", quill::cli::CmdCheck, quill::cli::CheckUsage},
    {"trace", quill::cli::CmdTrace, quill::cli::TraceUsage},
};

int Usage(std::FILE* to) {
  std::fprintf(to, "usage: quill COMMAND [--home DIR] ...\n");
  for (const auto& c : kCommands) std::fprintf(to, "  %s\n", c.usage);
  return to == stdout ? 0 : quill::cli::ExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr);
  if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "help")) return Usage(stdout);
  for (const auto& c : kCommands) {
    if (std::strcmp(argv[1], c.name) == 0) return c.run(quill::cli::Words(argv + 2, argv + argc));
  }
  std::fprintf(stderr, "quill: unknown command '%s'\n", argv[1]);
  return Usage(stderr);
}
