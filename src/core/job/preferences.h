// The installation's own settings (colours, display, printing, NC defaults) kept in QUILLMAR.INI.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quill {

// A colour as $00BBGGRR.
using Color = std::uint32_t;

inline constexpr Color clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                       clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                       clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                       clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

struct Preferences {
  std::string DefaultExt = "TAP";  // DEFEXT
  Color ArtColor = clAqua;
  Color TextLineColor = clGreen;
  Color TextArcColor = clPurple;
  Color ToolPathColor = clGray;
  Color RapidColor = clRed;
  bool ShowToolPath = true;
  bool ShowToolWidth = false;
  bool ShowToolImage = true;
  bool PrintToScale = false;
  bool ShowRapids = true;
  int PrintLineWidth = 1;
  bool PrintColor = false;
  bool ShowAxes = true;
  bool ShowRuler = true;
  bool BlackBackground = false;
  double ProjectionTolerance = 0.025;  // PROJTOL
  std::string ProjectionToleranceText = "0.02500";
  bool NcGeneratorOption = true;
  std::array<std::string, 4> RecentProjects;  // section MRU, first = most recent
  bool SolidView = false;                     // SOLIDV: the Solid Model command is offered
};

}  // namespace quill
