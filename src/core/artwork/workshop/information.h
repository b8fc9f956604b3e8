// Tools > Show Information: fifteen figures over the whole drawing.
#pragma once

#include <array>
#include <string>

namespace quill {

class WorkshopDocument;

struct WorkshopInformation {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;  // the drawing's box (0 for an empty drawing)
  double centreX = 0, centreY = 0;
  double totalLength = 0;  // lines and arcs
  double longestLine = 0, shortestLine = 0, averageLine = 0;
  double largestRadius = 0, smallestRadius = 0;
  long lines = 0, arcs = 0;
};

// Figures without anything to measure (no lines, no arcs, an empty drawing) are 0.
WorkshopInformation ComputeInformation(const WorkshopDocument& doc);

struct InformationLine {
  const char* label;  // "Minimum -X-  :" ...
  std::string value;  // 15 decimals; counts as whole numbers
};

// The information window's fifteen lines, in its order.
std::array<InformationLine, 15> InformationLines(const WorkshopInformation& info);

}  // namespace quill
