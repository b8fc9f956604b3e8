// What the view and the commands ask of the artwork file without loading it: its box and its record
// count.
#pragma once

#include <string>

namespace quill {

struct Box {
  double xmin = 1000, ymin = 1000, xmax = -1000, ymax = -1000;  // empty until widened
  bool Empty() const { return xmin > xmax || ymin > ymax; }
  void Widen(double x, double y);
  void Widen(const Box& other);
};

// Widens box by every record of the artwork file: arcs by the box of their sweep, moves and lines by
// their two points.  Records of other kinds carry no geometry and are passed over.
void WidenByArtwork(const std::string& artFile, Box& box);

// The number of records of kinds 0 to 3.
long CountArtworkRecords(const std::string& artFile);
// Whether the file holds a record of kinds 0 to 3: read up to the first, not through an artwork of
// millions of records.
bool HasArtworkRecords(const std::string& artFile);

}  // namespace quill
