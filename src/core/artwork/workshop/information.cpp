#include "artwork/workshop/information.h"

#include <algorithm>
#include <limits>

#include "artwork/workshop/bounds.h"
#include "artwork/workshop/document.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Smallest and largest of a series, 0 when the series is empty.
struct Range {
  double low = kInf, high = -kInf;
  void Add(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  double Low() const { return low == kInf ? 0 : low; }
  double High() const { return high == -kInf ? 0 : high; }
};

std::string Number(double v) {
  return FormatFixed(v, 15);
}

}  // namespace

WorkshopInformation ComputeInformation(const WorkshopDocument& doc) {
  WorkshopInformation info;
  Bounds box = DrawingBounds(doc, false);
  if (!box.Empty()) {
    info = {box.xmin, box.ymin, box.xmax, box.ymax, box.CentreX(), box.CentreY()};
  }
  Range lines, radii;
  double lineLength = 0;
  for (const tgEntity& e : doc.Items()) {
    if (e.IsLine()) {
      double length = e.LengthOf();
      lines.Add(length);
      lineLength += length;
      info.totalLength += length;
      ++info.lines;
    } else if (e.IsArc()) {
      radii.Add(e.R());
      info.totalLength += e.LengthOf();
      ++info.arcs;
    }
  }
  info.longestLine = lines.High();
  info.shortestLine = lines.Low();
  info.averageLine = info.lines > 0 ? lineLength / static_cast<double>(info.lines) : lineLength;
  info.largestRadius = radii.High();
  info.smallestRadius = radii.Low();
  return info;
}

std::array<InformationLine, 15> InformationLines(const WorkshopInformation& info) {
  return {{{"Minimum -X-  :", Number(info.minX)},
           {"Minimum -Y-  :", Number(info.minY)},
           {"Maximum -X-  :", Number(info.maxX)},
           {"Maximum -Y-  :", Number(info.maxY)},
           {"Center in -X-  :", Number(info.centreX)},
           {"Center in -Y-  :", Number(info.centreY)},
           {"Total Length :", Number(info.totalLength)},
           {"Longest Line  :", Number(info.longestLine)},
           {"Shortest Line  :", Number(info.shortestLine)},
           {"Average Line Length :", Number(info.averageLine)},
           {"Largest Arc Radius  :", Number(info.largestRadius)},
           {"Smallest Arc Radius  :", Number(info.smallestRadius)},
           {"Number of Lines  :", std::to_string(info.lines)},
           {"Number of Arcs :", std::to_string(info.arcs)},
           {"Total Lines / Arcs :", std::to_string(info.lines + info.arcs)}}};
}

}  // namespace quill
