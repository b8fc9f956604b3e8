#include "raster/picture_effects.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quill {

namespace {

using Table = std::array<uint8_t, 256>;

Table ToneTable(const PictureEffects& e) {
  double brightness = std::clamp(e.brightness, -100, 100) * 2.55;
  double contrast = (100 + std::clamp(e.contrast, -100, 100)) / 100.0;
  Table t;
  for (int v = 0; v < 256; ++v) {
    double out = (v - 127.5) * contrast + 127.5 + brightness;
    auto level = static_cast<int>(std::clamp(std::lround(out), 0L, 255L));
    if (e.invert && e.threshold == 0) level = 255 - level;
    t[static_cast<size_t>(v)] = static_cast<uint8_t>(level);
  }
  return t;
}

void MapBytes(Picture& p, const Table& t) {
  size_t n = static_cast<size_t>(p.Width()) * (p.Format() == PixelFormat::Rgb24 ? 3 : 1);
  for (int y = 0; y < p.Height(); ++y) {
    uint8_t* row = p.Row(y);
    for (size_t i = 0; i < n; ++i) row[i] = t[row[i]];
  }
}

}  // namespace

Picture ApplyEffects(const Picture& picture, const PictureEffects& effects) {
  Picture out = effects.grey || effects.threshold > 0 ? ToGrey(picture) : picture;
  MapBytes(out, ToneTable(effects));
  if (effects.threshold > 0) {
    int threshold = std::min(effects.threshold, 255);
    Table blackWhite;
    for (int v = 0; v < 256; ++v) {
      bool white = v >= threshold;
      if (effects.invert) white = !white;
      blackWhite[static_cast<size_t>(v)] = white ? 255 : 0;
    }
    MapBytes(out, blackWhite);
  }
  return out;
}

}  // namespace quill
