#include "stroke_pictures.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "fonts/font_source.h"
#include "records/line_reader.h"

namespace quill::vectorize::test {

namespace {

constexpr double kStep = 0.25;

double SegmentDistance(const Point& p, const Point& a, const Point& b) {
  double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0.0;
  return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

std::vector<Point> Samples(const std::vector<Stroke>& strokes) {
  std::vector<Point> out;
  for (const Stroke& s : strokes) {
    if (s.size() == 1) out.push_back(s[0]);
    for (size_t i = 1; i < s.size(); ++i) {
      double len = std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
      int n = std::max(1, static_cast<int>(std::ceil(len / kStep)));
      for (int k = 0; k <= n; ++k) {
        double t = static_cast<double>(k) / n;
        out.push_back({s[i - 1].x + t * (s[i].x - s[i - 1].x), s[i - 1].y + t * (s[i].y - s[i - 1].y)});
      }
    }
  }
  return out;
}

// The points of the arc with this bulge from a to b (a excluded, b included).
void AddArc(Stroke& out, const Point& a, const Point& b, double bulge) {
  double chord = std::hypot(b.x - a.x, b.y - a.y);
  double sweep = 4 * std::atan(bulge);
  double r = chord / (2 * std::sin(std::fabs(sweep) / 2));
  double mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
  double h = r * std::cos(sweep / 2);
  double nx = -(b.y - a.y) / chord, ny = (b.x - a.x) / chord;  // left of a to b
  double sign = bulge > 0 ? 1 : -1;
  double cx = mx + sign * nx * h, cy = my + sign * ny * h;
  double a0 = std::atan2(a.y - cy, a.x - cx);
  int n = std::max(2, static_cast<int>(std::ceil(std::fabs(sweep) / std::acos(std::max(0.0, 1 - 0.05 / r)))));
  for (int k = 1; k <= n; ++k) {
    double t = a0 + sweep * k / n;
    out.push_back({cx + r * std::cos(t), cy + r * std::sin(t)});
  }
}

}  // namespace

Picture DrawStrokes(const std::vector<Stroke>& strokes, int width, int height, double strokeWidth) {
  Picture p(width, height, PixelFormat::Grey8);
  for (int y = 0; y < height; ++y) std::fill(p.Row(y), p.Row(y) + width, 255);
  double r = strokeWidth / 2;
  for (const Stroke& s : strokes) {
    for (size_t i = 0; i < s.size(); ++i) {
      const Point& a = s[i];
      const Point& b = s[i + 1 < s.size() ? i + 1 : i];
      int x0 = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - r - 1)));
      int x1 = std::min(width - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + r + 1)));
      // Picture y is measured from the bottom; rows from the top.
      int r0 = std::max(0, static_cast<int>(std::floor(height - std::max(a.y, b.y) - r - 1)));
      int r1 = std::min(height - 1, static_cast<int>(std::ceil(height - std::min(a.y, b.y) + r + 1)));
      for (int row = r0; row <= r1; ++row) {
        for (int x = x0; x <= x1; ++x) {
          if (SegmentDistance(PixelCentre(x, row, height), a, b) <= r) p.Row(row)[x] = 0;
        }
      }
    }
  }
  return p;
}

std::string FontSource(const std::string& sourceDir, const std::string& name) {
  return sourceDir + "/data/fonts/" + name + ".QXS";
}

std::vector<Stroke> FontStrokes(const std::string& fontFile, const std::string& text, double capHeight, double x,
                                double y) {
  std::map<int, std::vector<Stroke>> glyphs;
  LineReader in(fontFile);
  std::string line;
  int code = -1;
  while (in.Next(line)) {
    int c = -1;
    SourceLineKind kind = ClassifySourceLine(line, c);
    if (kind == SourceLineKind::Header) {
      code = c;
      glyphs[code];
      continue;
    }
    if (kind != SourceLineKind::Motion || code < 0) continue;
    GWord g = FindGWord(line);
    auto px = AddressValue(line, 'X'), py = AddressValue(line, 'Y');
    if (!px || !py) continue;
    if (g == GWord::G00 || glyphs[code].empty()) glyphs[code].push_back({});
    glyphs[code].back().push_back({*px, *py});
  }
  std::vector<Stroke> out;
  double at = x;
  for (unsigned char ch : text) {
    double widest = 0;
    for (const Stroke& s : glyphs[ch]) {
      if (s.size() < 2) continue;
      Stroke placed;
      for (const Point& p : s) {
        placed.push_back({at + p.x * capHeight, y + p.y * capHeight});
        widest = std::max(widest, p.x);
      }
      out.push_back(placed);
    }
    at += (ch == ' ' ? 0.6 : widest + 0.35) * capHeight;
  }
  return out;
}

std::vector<Stroke> PathsAsStrokes(const std::vector<TracedPath>& paths) {
  std::vector<Stroke> out;
  for (const TracedPath& p : paths) {
    Stroke s;
    if (p.points.empty()) continue;
    s.push_back(p.points[0]);
    size_t segments = p.closed ? p.points.size() : p.points.size() - 1;
    for (size_t i = 0; i < segments; ++i) {
      const Point& b = p.points[(i + 1) % p.points.size()];
      if (p.Bulge(i) == 0) {
        s.push_back(b);
      } else {
        AddArc(s, p.points[i], b, p.Bulge(i));
      }
    }
    out.push_back(s);
  }
  return out;
}

double DirectedHausdorff(const std::vector<Stroke>& from, const std::vector<Stroke>& to) {
  std::vector<Point> a = Samples(from), b = Samples(to);
  // The points of `to` in cells of 4 pixels, searched ring by ring outwards.
  constexpr double cell = 4;
  std::map<std::pair<long, long>, std::vector<Point>> grid;
  for (const Point& p : b)
    grid[{std::lround(std::floor(p.x / cell)), std::lround(std::floor(p.y / cell))}].push_back(p);
  double worst = 0;
  for (const Point& p : a) {
    long cx = std::lround(std::floor(p.x / cell)), cy = std::lround(std::floor(p.y / cell));
    double best = 1e18;
    for (long ring = 0; ring < 1000 && best > (ring - 1) * cell; ++ring) {
      for (long dx = -ring; dx <= ring; ++dx) {
        for (long dy = -ring; dy <= ring; ++dy) {
          if (std::max(std::labs(dx), std::labs(dy)) != ring) continue;
          auto it = grid.find({cx + dx, cy + dy});
          if (it == grid.end()) continue;
          for (const Point& q : it->second) best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
        }
      }
    }
    worst = std::max(worst, best);
  }
  return worst;
}

double Hausdorff(const std::vector<Stroke>& a, const std::vector<Stroke>& b) {
  return std::max(DirectedHausdorff(a, b), DirectedHausdorff(b, a));
}

double TotalLength(const std::vector<Stroke>& strokes) {
  double total = 0;
  for (const Stroke& s : strokes) {
    for (size_t i = 1; i < s.size(); ++i) total += std::hypot(s[i].x - s[i - 1].x, s[i].y - s[i - 1].y);
  }
  return total;
}

}  // namespace quill::vectorize::test
