// The engraving settings of the current job, named by their project keys.  Numeric settings are held
// as the text of their entry field, exactly as typed or evaluated; the stage that uses one parses it
// when it runs.
#pragma once

#include <array>
#include <string>

namespace quill {

inline constexpr int CurvePointCount = 125;
inline constexpr int CharTableSize = 2048;

// One row of the per-character table: the character, the gap after it and its letter height.
struct CharEntry {
  char ch = 'A';
  float spacing = 0.125f;
  float height = 1.0f;
};

enum TextMode { ModeLinear = 1, ModeCwArc = 2, ModeCcwArc = 3, ModeCurve = 4 };
enum Justify { JustLeft = 1, JustRight = 2, JustCenter = 3, JustFull = 4 };
enum ToolShape { ShapeFlat = 0, ShapeBall = 1, ShapeCone = 2 };
enum Padding { PadNone = 0, PadSpaces = 1, PadZeros = 2 };

struct EngravingSettings {
  // Layout.
  int TTYPE = ModeLinear;
  int TJUST = JustLeft;
  std::string XSTART = "0.0", YSTART = "0.0", TANGLE = "0.0", XEND = "0.0", YEND = "0.0";
  bool MIRROR = false;
  bool VERTICAL = false;

  // Font.  The own engraving font's file name is JobPaths::EngraveFontFile (key WFONTNAME).
  std::string TEXTHIGH = "1.0";
  std::string TWFACT = "100.0";
  std::string TILTANG = "0.0";
  int BFONTTYPE = 1;  // 1 TrueType, 0 own engraving font
  std::string FONTNAME = "Arial";
  bool FONTBOLD = false;
  bool FONTITALICS = false;
  bool SPECWIDE = false;
  std::string TEXTWIDE = "0.5";

  // Curves.
  int OUTARCS = 1;  // 1 fit tangent arcs, 0 all linear
  std::string FCTOL = "0.001";
  std::string ACNPTS = "4";  // the "Number of Points" field as typed
  int CurvePoints = 4;       // the rows of the curve point table in use (0..125), written as ACNPTS
  int BCTNOFIT = 0;  // 1 polyline, 0 cubic spline
  bool ACPERP = false;
  std::array<float, CurvePointCount> ACURVEX{};  // the curve point table (ACURVETAB)
  std::array<float, CurvePointCount> ACURVEY{};

  // Spacing.
  std::string CHRSPACE = "0.125";
  std::string WSPACE = "0.125";
  std::string LSPACE = "1.375";
  int BCSPACE = 1;  // 1 constant, 0 variable (per-character table)
  std::array<CharEntry, CharTableSize> CharTable{};  // VSPACETAB / VHEIGHTTAB
  // The editor's character count last taken (dialog activation, project load): the per-character
  // table's rows; may pass CharTableSize, in which case only the table's entries are ever written.
  int CharRows = 0;

  // Tool path.
  std::string ZDEPTH = "-0.0500";
  std::string ZCLEAR = "0.1";
  std::string ZPERPASS = "-0.0500";
  std::string ZTOP = "0.0000";
  std::string CFEED = "6.0000";
  std::string ZFEED = "2.0000";
  std::string TOOLDIA = "0.0320";
  std::string ROTRAD = "0.0000";
  int TSHAPE = ShapeCone;
  std::string TLCR = "60.0000";

  // Serial numbers.
  std::string SNUMSTART = "0";
  std::string SNUMEND = "0";
  std::string SNUMINC = "1";
  std::string SNUMDIG = "4";
  int SNUMIPAD = PadZeros;
  std::string SNUMPREFIX;
  std::string SNUMSUFFIX;

  // Surface projection.
  std::array<std::string, 9> PSEDIT{"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0"};
  int PSPROJECTNORM = 0;
  int PSTOPBOT = 0;
  int PSSURFTYPE = 0;

  // Reference frame (on/off is JobFlags::RefFrameOn).
  std::string RFX = "0.0", RFY = "0.0", RFXX = "5.0", RFYY = "5.0";
};

}  // namespace quill
