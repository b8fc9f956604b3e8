// Lines laid out before, kept for a run that lays out many texts with one font (the texts of a
// drawing, the rows of a data merge): a line of the same text, size and shape comes back shaped,
// scaled and spaced, and only its placement is done again.  The cache keeps what made the line, so a
// hit is the very records the steps would have written.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "fonts/truetype_glyph.h"
#include "records/textpath_record.h"
#include "textpath/layout_params.h"
#include "textpath/scale_space.h"

namespace quill {

// Everything the steps before placement read.
struct LineShapeKey {
  std::string text;
  GlyphScale scale;
  double tilt = 0, textHigh = 0, widthFactor = 0, charSpace = 0, wordSpace = 0;
  bool vertical = false, mirror = false;

  LineShapeKey() = default;
  LineShapeKey(const std::string& line, const GlyphScale& glyphs, const LayoutParams& p);
  bool operator==(const LineShapeKey& other) const;
};

struct LineShapeKeyHash {
  size_t operator()(const LineShapeKey& key) const;
};

struct ShapedLine {
  std::vector<TextPathRecord> records;
  ScaledLine scaled;
};

class LineCache {
 public:
  // Lines held at most, and records over all of them: past either the cache starts again.
  static constexpr size_t MaxLines = 8192;
  static constexpr size_t MaxRecords = 2000000;

  const ShapedLine* Find(const LineShapeKey& key) const;
  void Keep(const LineShapeKey& key, ShapedLine line);
  void Clear();

 private:
  std::unordered_map<LineShapeKey, ShapedLine, LineShapeKeyHash> lines_;
  size_t records_ = 0;
};

}  // namespace quill
