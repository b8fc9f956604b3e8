#include "colour_classes.h"

#include <algorithm>
#include <array>
#include <limits>
#include <numeric>

namespace quill::vectorize {

namespace {

constexpr int kIterations = 30;

// A histogram bin: how many pixels fell in it and the sum of their colours.
struct Bin {
  double count = 0, r = 0, g = 0, b = 0;
  Rgb Mean() const {
    return {static_cast<uint8_t>(r / count + 0.5), static_cast<uint8_t>(g / count + 0.5),
            static_cast<uint8_t>(b / count + 0.5)};
  }
};

struct Centre {
  double r = 0, g = 0, b = 0;
};

// Grey pictures bin by level; colour pictures by their top five bits of each channel.
uint32_t BinOf(const Picture& p, const uint8_t* px) {
  if (p.Format() == PixelFormat::Grey8) return px[0];
  return static_cast<uint32_t>((px[0] >> 3) << 10 | (px[1] >> 3) << 5 | (px[2] >> 3));
}

double Brightness(const Centre& c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

double Distance2(const Bin& bin, const Centre& c) {
  double dr = bin.r / bin.count - c.r, dg = bin.g / bin.count - c.g, db = bin.b / bin.count - c.b;
  return dr * dr + dg * dg + db * db;
}

std::vector<Bin> Histogram(const Picture& p, std::vector<uint32_t>& key) {
  size_t bins = p.Format() == PixelFormat::Grey8 ? 256 : 32768;
  std::vector<Bin> h(bins);
  int n = p.Format() == PixelFormat::Grey8 ? 1 : 3;
  key.resize(static_cast<size_t>(p.Width()) * static_cast<size_t>(p.Height()));
  size_t i = 0;
  for (int y = 0; y < p.Height(); ++y) {
    const uint8_t* row = p.Row(y);
    for (int x = 0; x < p.Width(); ++x, ++i) {
      const uint8_t* px = row + x * n;
      uint32_t k = BinOf(p, px);
      key[i] = k;
      Bin& b = h[k];
      b.count += 1;
      b.r += px[0], b.g += px[n == 3 ? 1 : 0], b.b += px[n == 3 ? 2 : 0];
    }
  }
  return h;
}

Centre MeanOf(const Bin& b) {
  return {b.r / b.count, b.g / b.count, b.b / b.count};
}

double Distance2(const Centre& a, const Centre& b) {
  return (a.r - b.r) * (a.r - b.r) + (a.g - b.g) * (a.g - b.g) + (a.b - b.b) * (a.b - b.b);
}

// Starting centres spread over the colours the picture has: the most common colour first, then each
// time the colour whose pixels lie farthest from the centres so far (count times squared distance).
std::vector<Centre> StartCentres(const std::vector<const Bin*>& used, int k) {
  const Bin* common =
      *std::max_element(used.begin(), used.end(), [](const Bin* a, const Bin* b) { return a->count < b->count; });
  std::vector<Centre> centres{MeanOf(*common)};
  std::vector<double> nearest(used.size(), std::numeric_limits<double>::max());
  while (static_cast<int>(centres.size()) < k) {
    size_t pick = 0;
    double best = -1;
    for (size_t i = 0; i < used.size(); ++i) {
      nearest[i] = std::min(nearest[i], Distance2(MeanOf(*used[i]), centres.back()));
      double score = used[i]->count * nearest[i];
      if (score > best) best = score, pick = i;
    }
    centres.push_back(MeanOf(*used[pick]));
  }
  return centres;
}

int Nearest(const Bin& bin, const std::vector<Centre>& centres) {
  int best = 0;
  double bestD = std::numeric_limits<double>::max();
  for (size_t c = 0; c < centres.size(); ++c) {
    double d = Distance2(bin, centres[c]);
    if (d < bestD) bestD = d, best = static_cast<int>(c);
  }
  return best;
}

std::vector<Centre> KMeans(const std::vector<const Bin*>& used, int k) {
  std::vector<Centre> centres = StartCentres(used, k);
  std::vector<int> label(used.size(), -1);
  for (int round = 0; round < kIterations; ++round) {
    bool moved = false;
    for (size_t i = 0; i < used.size(); ++i) {
      int l = Nearest(*used[i], centres);
      moved |= l != label[i];
      label[i] = l;
    }
    if (!moved) break;
    std::vector<Bin> sums(centres.size());
    for (size_t i = 0; i < used.size(); ++i) {
      Bin& s = sums[static_cast<size_t>(label[i])];
      s.count += used[i]->count, s.r += used[i]->r, s.g += used[i]->g, s.b += used[i]->b;
    }
    for (size_t c = 0; c < centres.size(); ++c) {
      if (sums[c].count > 0)
        centres[c] = {sums[c].r / sums[c].count, sums[c].g / sums[c].count, sums[c].b / sums[c].count};
    }
  }
  std::sort(centres.begin(), centres.end(),
            [](const Centre& a, const Centre& b) { return Brightness(a) < Brightness(b); });
  return centres;
}

}  // namespace

ColourClasses QuantiseColours(const Picture& picture, int count) {
  ColourClasses out;
  if (picture.Empty()) return out;
  std::vector<uint32_t> key;
  std::vector<Bin> histogram = Histogram(picture, key);
  std::vector<const Bin*> used;
  for (const Bin& b : histogram) {
    if (b.count > 0) used.push_back(&b);
  }
  int k = std::clamp(count, 2, MaxOutputColours);
  k = std::min(k, static_cast<int>(used.size()));
  std::vector<Centre> centres = KMeans(used, k);
  std::vector<uint8_t> binClass(histogram.size(), 0);
  for (size_t i = 0; i < histogram.size(); ++i) {
    if (histogram[i].count > 0) binClass[i] = static_cast<uint8_t>(Nearest(histogram[i], centres));
  }
  for (const Centre& c : centres) {
    Bin b{1, c.r, c.g, c.b};
    out.colours.push_back(b.Mean());
  }
  out.classOf = Mask(picture.Width(), picture.Height());
  for (size_t i = 0; i < key.size(); ++i) out.classOf.ink[i] = binClass[key[i]];
  return out;
}

std::vector<int> ClassesToTrace(int classes, const RasterToVectorSettings& settings) {
  std::vector<int> out;
  if (classes <= 0) return out;
  if (settings.darkestOnly) return {0};
  int last = settings.omitBrightest && classes > 1 ? classes - 1 : classes;
  for (int c = 0; c < last; ++c) out.push_back(c);
  return out;
}

Mask ClassMask(const ColourClasses& classes, int index) {
  Mask m(classes.classOf.width, classes.classOf.height);
  for (size_t i = 0; i < m.ink.size(); ++i) m.ink[i] = classes.classOf.ink[i] == index ? 1 : 0;
  return m;
}

}  // namespace quill::vectorize
