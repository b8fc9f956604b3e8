#include "artwork/dxf_layers.h"

#include <cmath>

#include "mathlib/number_text.h"

namespace quill {

bool DxfLayerTable::Add(const std::string& name, int colour) {
  if (Count() >= MaxLayers) return false;
  colours_.push_back(colour);
  positions_.emplace(name, Count());
  return true;
}

int DxfLayerTable::Colour(int n) const {
  return n >= 0 && n < static_cast<int>(colours_.size()) ? colours_[n] : DefaultLayerColour;
}

void DxfLayerTable::Resolve(const std::string& value, int& index, int& layer) const {
  auto number = StrictToDouble(value);
  if (number && *number <= MaxLayers && *number > -1e9) {
    index = static_cast<int>(*number);
  } else {
    auto it = positions_.find(value);
    index = it == positions_.end() ? Count() + 1 : it->second;
  }
  layer = index;
  while (layer > 255) layer /= 10;
}

}  // namespace quill
