// The drawing's layer table: up to 256 layers, numbered from 1 in the order of the LAYER table, each with
// its colour.  Entities name their layer by number or by name; both come out as one layer number.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace quill {

inline constexpr int MaxLayers = 256;
inline constexpr int DefaultLayerColour = 15;

class DxfLayerTable {
 public:
  int Count() const { return static_cast<int>(colours_.size()) - 1; }
  // False when the table is full: the layer is not stored.
  bool Add(const std::string& name, int colour);
  // The colour of table entry n (entry 0 and unknown entries have the default colour).
  int Colour(int n) const;
  // A layer field: a number up to 256 is the number itself, a name its position (one past the last when
  // unknown).  index is the table entry; layer the number written out, brought under 256 by tens.
  void Resolve(const std::string& value, int& index, int& layer) const;

 private:
  std::vector<int> colours_{DefaultLayerColour};  // entry 0 is no layer of the table
  std::unordered_map<std::string, int> positions_;
};

}  // namespace quill
