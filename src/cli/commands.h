// The toolbox's commands.  Each takes the words after its name and returns the exit status
// (0 success, 1 a reported error, 2 bad usage).
#pragma once

#include <string>
#include <vector>

namespace quill::cli {

using Words = std::vector<std::string>;

inline constexpr const char* RunUsage =
    "quill run PROJECT.QLM [--nc FILE] [--machine NAME] [--source text|artwork|artwork-text|text-artwork|bitmap-scan]"
    " [--carve] [--project-surface] [--scan-picture FILE] [--scan-area XMIN YMIN WIDTH HEIGHT XSTEP YSTEP]"
    " [--invert] [--unidirectional] [--check] [--data FILE.csv [--per-row-nc COLUMN] [--array COLS ROWS DX DY]"
    " [--header|--no-header] [--separator ;|,|tab]] [--serial START END [INC]] [--between TEXT] [--no-comment]";
inline constexpr const char* EvalUsage = "quill eval TEXT";
inline constexpr const char* FormatUsage = "quill format CODE LEFT RIGHT VALUE";
inline constexpr const char* FontUsage =
    "quill font compile SRC.QXS OUT.QXF | quill font decompile FONT.QXF OUT.QXS";
inline constexpr const char* PostUsage = "quill post CLFILE NCFILE --machine NAME [--startup M] [--shutdown M]";
inline constexpr const char* ImportUsage = "quill import FILE [--replace] [--arc-fit] [--tolerance T]";
inline constexpr const char* CheckUsage = "quill check NCFILE --machine NAME [--cl CLFILE]";
inline constexpr const char* RenderUsage = "quill render PROJECT.QLM -o OUT.{png,svg,pdf,emf} [--size WxH]";
inline constexpr const char* ArtworkUsage =
    "quill artwork info|export|optimize|hatch|linearize|deskew|modify ... (quill artwork --help lists them)";
inline constexpr const char* TraceUsage =
    "quill trace PICTURE -o OUT.dxf [--centerline] [--params FILE] [--page N] | quill trace convert SX SY";

int CmdRun(const Words& words);     // cmd_run.cpp
int CmdEval(const Words& words);    // cmd_eval.cpp
int CmdFormat(const Words& words);  // cmd_format.cpp
int CmdFont(const Words& words);    // cmd_font.cpp
int CmdPost(const Words& words);    // cmd_post.cpp
int CmdImport(const Words& words);  // cmd_import.cpp
int CmdRender(const Words& words);  // cmd_render.cpp
int CmdCheck(const Words& words);   // cmd_check.cpp
int CmdTrace(const Words& words);   // cmd_trace.cpp

// cmd_artwork.cpp; its subcommands are declared in cmd_artwork.h.
int CmdArtwork(const Words& words);

}  // namespace quill::cli
