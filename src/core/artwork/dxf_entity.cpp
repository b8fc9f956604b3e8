#include "artwork/dxf_entity.h"

#include <cmath>

#include "artwork/dxf_layers.h"
#include "mathlib/constants.h"
#include "mathlib/fixed_format.h"
#include "mathlib/geom2d.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

constexpr double LargestReal = 3.4e38;

int GroupInt(const std::string& value) {
  double v = GroupReal(value);
  return v > 2e9 || v < -2e9 ? 0 : static_cast<int>(v);
}

// Codes 10 to 13, 20 to 23 and 30 to 33: the coordinate they set, or null.
double* PointField(DxfEntity& e, int code) {
  int axis = code / 10, corner = code % 10;
  if (axis < 1 || axis > 3 || corner > 3) return nullptr;
  DxfPoint& p = e.p[corner];
  return axis == 1 ? &p.x : axis == 2 ? &p.y : &p.z;
}

}  // namespace

double GroupReal(const std::string& value) {
  // Most values are plain decimals standing alone, read without the general converter.
  const char* const last = value.data() + value.size();
  double plain = 0;
  if (const char* stop = ReadFixed(value.data(), last, plain); stop == last) return plain;
  size_t end = value.find_last_not_of(" \t");
  auto v = StrictToDouble(end == std::string::npos ? std::string_view() : std::string_view(value).substr(0, end + 1));
  if (!v || !std::isfinite(*v) || std::fabs(*v) > LargestReal) return 0;
  return *v;
}

int MapDxfColour(double colour) {
  static const int kMap[17] = {1, 12, 14, 10, 11, 9, 13, 1, 8, 4, 6, 2, 3, 1, 5, 7, 1};
  double c = std::round(std::fabs(colour));
  return c <= 16 ? kMap[static_cast<int>(c)] : static_cast<int>(c);
}

void DxfEntity::Reset() {
  text.clear();
  name.clear();
  layerIndex = layer = 0;
  for (DxfPoint& q : p) q = DxfPoint();
  hasFourth = false;
  r40 = 0.25;
  s41 = s42 = s43 = 0;
  a50 = a51 = 0;
  colour = 0;
  hasColour = false;
  flags = justify = curveType = 0;
  extrusion = {0, 0, 1};
}

bool DxfEntity::Apply(const DxfGroup& g, const DxfLayerTable& layers) {
  if (double* field = PointField(*this, g.code)) {
    *field = GroupReal(g.value);
    if (g.code % 10 == 3) hasFourth = true;
    return true;
  }
  switch (g.code) {
    case 1: text = g.value; return true;
    case 2:
      if (g.value != "*D") name = g.value;
      return true;
    case 8: layers.Resolve(g.value, layerIndex, layer); return true;
    case 40: r40 = GroupReal(g.value); return true;
    case 41: s41 = GroupReal(g.value); return true;
    case 42: s42 = GroupReal(g.value); return true;
    case 43: s43 = GroupReal(g.value); return true;
    case 50: a50 = GroupReal(g.value) * DegToRad; return true;
    case 51: a51 = GroupReal(g.value) * DegToRad; return true;
    case 62:
      colour = GroupReal(g.value);
      hasColour = true;
      return true;
    case 70: flags = GroupInt(g.value) & 0xFF; return true;
    case 72: justify = GroupInt(g.value); return true;
    case 75: curveType = GroupInt(g.value); return true;
    case 210: extrusion.x = GroupReal(g.value); return true;
    case 220: extrusion.y = GroupReal(g.value); return true;
    case 230: extrusion.z = GroupReal(g.value); return true;
    default: return false;
  }
}

int DxfEntity::TmgColour(const DxfLayerTable& layers) const {
  return MapDxfColour(hasColour ? colour : layers.Colour(layerIndex));
}

bool DxfEntity::AlongZ() const {
  return std::fabs(extrusion.x) < 0.001 && std::fabs(extrusion.y) < 0.001 && !IsZero(extrusion.z);
}

bool DxfEntity::Mirrored() const {
  return AlongZ() && IsZero(extrusion.z + 1);
}

bool ReadEntity(DxfSources& in, const DxfLayerTable& layers, DxfEntity& e, std::string& name) {
  e.Reset();
  DxfGroup g;
  while (in.NextGroup(g)) {
    if (g.code == 0) {
      name = std::move(g.value);
      return true;
    }
    e.Apply(g, layers);
  }
  return false;
}

}  // namespace quill
