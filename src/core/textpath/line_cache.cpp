#include "textpath/line_cache.h"

#include <functional>

namespace quill {

LineShapeKey::LineShapeKey(const std::string& line, const GlyphScale& glyphs, const LayoutParams& p)
    : text(line),
      scale(glyphs),
      tilt(p.tilt),
      textHigh(p.textHigh),
      widthFactor(p.widthFactor),
      charSpace(p.charSpace),
      wordSpace(p.wordSpace),
      vertical(p.vertical),
      mirror(p.mirror) {}

bool LineShapeKey::operator==(const LineShapeKey& o) const {
  return text == o.text && scale.width == o.scale.width && scale.height == o.scale.height &&
         scale.space == o.scale.space && tilt == o.tilt && textHigh == o.textHigh && widthFactor == o.widthFactor &&
         charSpace == o.charSpace && wordSpace == o.wordSpace && vertical == o.vertical && mirror == o.mirror;
}

size_t LineShapeKeyHash::operator()(const LineShapeKey& k) const {
  size_t h = std::hash<std::string>()(k.text);
  for (double v : {k.scale.width, k.scale.height, k.scale.space, k.tilt, k.textHigh, k.widthFactor, k.charSpace,
                   k.wordSpace}) {
    h = h * 1000003u ^ std::hash<double>()(v);
  }
  return h * 31u + (k.vertical ? 2u : 0u) + (k.mirror ? 1u : 0u);
}

const ShapedLine* LineCache::Find(const LineShapeKey& key) const {
  auto it = lines_.find(key);
  return it == lines_.end() ? nullptr : &it->second;
}

void LineCache::Keep(const LineShapeKey& key, ShapedLine line) {
  if (lines_.size() >= MaxLines || records_ + line.records.size() > MaxRecords) Clear();
  if (line.records.size() > MaxRecords) return;
  records_ += line.records.size();
  lines_.emplace(key, std::move(line));
}

void LineCache::Clear() {
  lines_.clear();
  records_ = 0;
}

}  // namespace quill
