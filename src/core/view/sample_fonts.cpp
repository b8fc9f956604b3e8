#include "view/sample_fonts.h"

#include <algorithm>
#include <cmath>

#include "ui/ui.h"
#include "view/canvas.h"

namespace quill {

namespace {

constexpr const char* kLabelFace = "ARIAL";
constexpr int kSize = 14;

int Scaled(double factor, int pixels) {
  return static_cast<int>(std::lround(factor * pixels));
}

}  // namespace

bool PrintSampleFontList(Ui& ui, Canvas& page, std::vector<std::string> names, const std::function<bool()>& newPage) {
  std::sort(names.begin(), names.end());
  // Names are written on the paper as it is; a solid brush would fill each text cell behind them.
  page.SetBrush(clWhite, BrushStyle::Clear);
  page.SetFont(kLabelFace, kSize, 0);
  int lineHeight = Scaled(1.2, page.TextHeight("Hg"));
  if (names.empty()) {
    ui.Inform("There are no Fonts to Print");
    return false;
  }
  int y = 0;
  for (const std::string& name : names) {
    if (page.ClipBox().bottom < y + lineHeight) {
      if (!newPage()) {
        ui.Inform("Error Printing Sample Fonts");
        return false;
      }
      y = 0;
    }
    page.SetFont(kLabelFace, kSize, 0);
    std::string label = name + " : ";
    page.TextOut(0, y, label);
    int x = Scaled(1.2, page.TextWidth(label));
    page.SetFont(name, kSize, 0);
    page.TextOut(x, y, name);
    y += lineHeight;
  }
  return true;
}

}  // namespace quill
