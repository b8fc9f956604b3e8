// The state of one DXF conversion, shared by the steps that read the tables and convert the entities.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "artwork/dxf_blocks.h"
#include "artwork/dxf_entity.h"
#include "artwork/dxf_layers.h"
#include "artwork/dxf_scratch.h"
#include "artwork/dxf_sources.h"
#include "artwork/dxf_status.h"
#include "artwork/dxf_text.h"
#include "mathlib/curves.h"
#include "records/tmg_record.h"

namespace quill {

class Job;

// Curves are converted in pieces of this many nodes.
inline constexpr size_t CurvePieceNodes = 124;

struct DxfReader {
  DxfReader(Job& job, DxfStatus& status, TmgWriter& tmg) : job(job), status(status), tmg(tmg) {}

  Job& job;
  DxfStatus& status;
  TmgWriter& tmg;
  ScratchFolder scratch;
  DxfSources in;
  DxfLayerTable layers;
  DxfBlockTable blocks{scratch};
  DxfTextEngraver text{job};

  int layerSelection = -1;  // -1: every layer
  bool arcFit = false;      // curves become tangent arcs instead of lines
  double tolerance = 0.005;
  std::array<long, DxfCounterCount> counts{};
  long blockWork = 0;  // entities read in blocks and records they wrote: inserts that multiply are cut short
  long maxBlockWork = 0;
  bool insertLimitShown = false;
  DxfEntity entity;  // the entity being converted

  bool Matches(const DxfEntity& e) const { return layerSelection < 0 || e.layer == layerSelection; }
  void Count(DxfCounter which);

  // Records in the entity's layer and colour; points are world points already.
  void Line(const DxfEntity& e, const DxfPoint& a, const DxfPoint& b);
  void Arc(const DxfEntity& e, double cx, double cy, double r, double sa, double fa);  // radians
  void Point(const DxfEntity& e, const DxfPoint& p);
  // The curve through (or, bezier, controlled by) the world points, as lines or fitted arcs.
  void Curve(const DxfEntity& e, const std::vector<CurvePoint>& nodes, bool bezier);
  void CurvePiece(const DxfEntity& e, const std::vector<CurvePoint>& nodes, bool bezier);
  // Points joined by lines, or by the tangent arcs fitted to them.
  void Polyline(const DxfEntity& e, const std::vector<CurvePoint>& points);
};

}  // namespace quill
