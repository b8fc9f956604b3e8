#include "view/text_metrics.h"

#include <cmath>

namespace quill {

namespace {

constexpr double kUnitsPerEm = 2048;
constexpr double kCellUnits = 1854 + 434;  // ascent + descent

// Advance widths of characters 32 to 126 in font units.
constexpr short kAdvance[95] = {
    569,  569,  727,  1139, 1139, 1821, 1366, 391,  682,  682,  797,  1196, 569,  682,  569,  569,  1139, 1139, 1139,
    1139, 1139, 1139, 1139, 1139, 1139, 1139, 569,  569,  1196, 1196, 1196, 1139, 2079, 1366, 1366, 1479, 1479, 1366,
    1251, 1593, 1479, 569,  1024, 1366, 1139, 1706, 1479, 1593, 1366, 1593, 1479, 1366, 1251, 1479, 1366, 1933, 1366,
    1366, 1251, 569,  569,  569,  961,  1139, 682,  1139, 1139, 1024, 1139, 1139, 569,  1139, 1139, 455,  455,  1024,
    455,  1706, 1139, 1139, 1139, 1139, 682,  1024, 569,  1139, 1024, 1479, 1024, 1024, 1024, 684,  532,  684,  1196};

}  // namespace

double EmForCell(double cellPixels) {
  return cellPixels * kUnitsPerEm / kCellUnits;
}

double CellPixels(int size, int dpi) {
  if (size < 0) return -static_cast<double>(size);
  // A point size gives the em; the cell is taller by the face's ascent and descent.
  return size * dpi / 72.0 * kCellUnits / kUnitsPerEm;
}

int ArialTextWidth(const std::string& text, double cellPixels) {
  double units = 0;
  for (unsigned char c : text) units += c >= 32 && c < 127 ? kAdvance[c - 32] : kAdvance['x' - 32];
  return static_cast<int>(std::lround(units / kUnitsPerEm * EmForCell(cellPixels)));
}

}  // namespace quill
