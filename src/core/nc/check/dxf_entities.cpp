#include "nc/check/dxf_entities.h"

#include <cmath>
#include <optional>

#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "nc/machine_definition.h"
#include "records/cl_record.h"
#include "records/line_reader.h"

namespace quill {

namespace {

// Eight decimals are written; a cut may differ from its entity by their rounding.
constexpr double DrawingTolerance = 1e-6;
// A drawing leaves out lines shorter than this, as it does every zero-length line.
constexpr double ShortestLine = 0.001;

std::string Trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  return b == std::string::npos ? std::string() : s.substr(b, s.find_last_not_of(" \t\r") - b + 1);
}

void SetGroup(DxfEntity& e, int code, double v) {
  if (code >= 10 && code <= 30 && code % 10 == 0) e.a[static_cast<size_t>(code / 10 - 1)] = v;
  if (code >= 11 && code <= 31 && code % 10 == 1) e.b[static_cast<size_t>(code / 10 - 1)] = v;
  if (code == 40) e.radius = v;
  if (code == 50) e.startAngle = v;
  if (code == 51) e.endAngle = v;
}

std::optional<DxfEntity::Kind> KindOf(const std::string& name) {
  if (name == "LINE") return DxfEntity::Kind::Line;
  if (name == "ARC") return DxfEntity::Kind::Arc;
  if (name == "CIRCLE") return DxfEntity::Kind::Circle;
  if (name == "POINT") return DxfEntity::Kind::Point;
  return std::nullopt;
}

const char* NameOf(DxfEntity::Kind k) {
  switch (k) {
    case DxfEntity::Kind::Line: return "LINE";
    case DxfEntity::Kind::Arc: return "ARC";
    case DxfEntity::Kind::Circle: return "CIRCLE";
    default: return "POINT";
  }
}

using P3 = std::array<double, 3>;

bool Near(const P3& a, const P3& b) {
  return std::fabs(a[0] - b[0]) <= DrawingTolerance && std::fabs(a[1] - b[1]) <= DrawingTolerance &&
         std::fabs(a[2] - b[2]) <= DrawingTolerance;
}

P3 OnCircle(const DxfEntity& e, double degrees) {
  return {e.a[0] + e.radius * std::cos(degrees * DegToRad), e.a[1] + e.radius * std::sin(degrees * DegToRad), e.a[2]};
}

// The cuts of the tool path as the drawing should hold them.
struct ExpectedCut {
  DxfEntity entity;
  P3 arcFrom{}, arcTo{};   // an arc's ends in the order it is drawn: counter-clockwise
  long record = 0;         // line of the tool path
  bool shortLine = false;  // too short to be drawn: it may be missing
  bool tiny = false;       // an arc too small to show its radius: drawn by its centre alone
};

class CutList {
 public:
  explicit CutList(const MachineDefinition& m) : mill_(m.ABSINC == 1), threeD_(m.REDUN) {}
  bool Read(const std::string& clFile);
  const std::vector<ExpectedCut>& Cuts() const { return cuts_; }
  std::optional<double> deepest;

 private:
  P3 View(const ClRecord& r) const { return mill_ ? P3{r.X, r.Y, r.Z} : P3{r.Z, r.X, r.Y}; }
  void Add(const ClRecord& r, long line);
  P3 Flat(P3 p) const {
    if (!threeD_) p[2] = 0;
    return p;
  }

  bool mill_, threeD_;
  P3 prev_{};
  std::vector<ExpectedCut> cuts_;
};

void CutList::Add(const ClRecord& r, long line) {
  const P3 cur = View(r);
  ExpectedCut c;
  c.record = line;
  if (r.code == ClFeed) {
    const double length = std::hypot(cur[0] - prev_[0], cur[1] - prev_[1]);
    c.entity = {DxfEntity::Kind::Line, 0, Flat(prev_), Flat(cur)};
    c.shortLine = length < ShortestLine;
    if (threeD_ || length > 0) cuts_.push_back(c);
  } else if (r.code == ClArcCw || r.code == ClArcCcw) {
    const bool closed = std::fabs(cur[0] - prev_[0]) < ZeroTolerance && std::fabs(cur[1] - prev_[1]) < ZeroTolerance;
    c.entity.kind = closed ? DxfEntity::Kind::Circle : DxfEntity::Kind::Arc;
    c.entity.a = Flat({r.CX, r.CY, cur[2]});
    c.entity.radius = std::hypot(r.CX - cur[0], r.CY - cur[1]);
    // Arcs of a drawing run counter-clockwise: a clockwise cut is drawn from its end.
    c.arcFrom = r.code == ClArcCcw ? prev_ : cur;
    c.arcTo = r.code == ClArcCcw ? cur : prev_;
    c.arcFrom[2] = c.arcTo[2] = c.entity.a[2];
    c.tiny = c.entity.radius < ShortestLine;
    cuts_.push_back(c);
  } else if (r.code >= 81 && r.code <= 90) {
    c.entity = {DxfEntity::Kind::Point, 0, Flat(prev_)};
    cuts_.push_back(c);
  }
  if (r.code >= ClFeed && r.code <= ClArcCcw) deepest = deepest ? std::min(*deepest, r.Z) : r.Z;
  prev_ = cur;
}

bool CutList::Read(const std::string& clFile) {
  LineReader in(clFile);
  if (!in.IsOpen()) return false;
  ClRecord r;
  for (std::string line; in.Next(line);) {
    if (!ParseClRecord(line, r) || r.code == ClEnd) break;
    if (r.code == ClResetHome) prev_ = {};
    if (r.code == ClResetHome || r.code == ClText || r.code == ClRotaryRadius) continue;
    Add(r, in.LineNumber());
  }
  return true;
}

bool Matches(const DxfEntity& e, const ExpectedCut& c) {
  const DxfEntity& x = c.entity;
  if (e.kind != x.kind) return false;
  if (e.kind == DxfEntity::Kind::Line) return Near(e.a, x.a) && Near(e.b, x.b);
  if (e.kind == DxfEntity::Kind::Point || c.tiny) return Near(e.a, x.a);
  if (std::fabs(e.radius - x.radius) > DrawingTolerance) return false;
  return Near(e.a, x.a) && (e.kind == DxfEntity::Kind::Circle ||
                            (Near(OnCircle(e, e.startAngle), c.arcFrom) && Near(OnCircle(e, e.endAngle), c.arcTo)));
}

void CheckDrawnDepths(const DrawingRead& drawing, double deepest, std::vector<CheckFinding>& findings) {
  for (const DxfEntity& e : drawing.entities) {
    const double z = e.kind == DxfEntity::Kind::Line ? std::min(e.a[2], e.b[2]) : e.a[2];
    if (z < deepest - DrawingTolerance) {
      findings.push_back(
          {FindingKind::BelowDeepest, e.line, NameOf(e.kind),
           "drawn at Z" + FormatFixed(z, 4) + ", below the deepest cut of the tool path, Z" + FormatFixed(deepest, 4)});
    }
  }
}

}  // namespace

DrawingRead ReadDxfDrawing(const std::string& path) {
  DrawingRead out;
  LineReader in(path);
  out.opened = in.IsOpen();
  bool inEntities = false;
  std::optional<DxfEntity> current;
  std::string codeLine, value;
  while (out.opened && in.Next(codeLine)) {
    const long codeAt = in.LineNumber();
    if (!in.Next(value)) break;
    const auto code = StrictToDouble(Trim(codeLine));
    if (!code || std::fabs(*code) > 32767) {  // a group code is a 16-bit number
      out.findings.push_back({FindingKind::Unreadable, codeAt, codeLine, "cannot be read: no group code"});
      break;
    }
    const int group = static_cast<int>(*code);
    value = Trim(value);
    if (group == 0) {
      if (current) out.entities.push_back(*current);
      current.reset();
      if (value == "ENDSEC") inEntities = false;
      if (auto kind = KindOf(value); kind && inEntities) current = DxfEntity{*kind, codeAt};
    } else if (group == 2 && value == "ENTITIES") {
      inEntities = true;
    } else if (current) {
      if (auto v = StrictToDouble(value)) SetGroup(*current, group, *v);
    }
  }
  if (current) out.entities.push_back(*current);
  out.lines = in.LineNumber();
  return out;
}

void CompareDrawing(const DrawingRead& drawing, const std::string& clFile, const MachineDefinition& m,
                    std::vector<CheckFinding>& findings) {
  CutList list(m);
  if (!list.Read(clFile)) return;
  const auto& cuts = list.Cuts();
  size_t k = 0;
  for (const DxfEntity& e : drawing.entities) {
    while (k < cuts.size() && cuts[k].shortLine && !Matches(e, cuts[k])) ++k;  // too short to be drawn
    if (k >= cuts.size()) {
      findings.push_back(
          {FindingKind::LeavesPath, e.line, NameOf(e.kind), "drawn after the last cut of the tool path"});
      return;
    }
    if (!Matches(e, cuts[k])) {
      findings.push_back({FindingKind::LeavesPath, e.line, NameOf(e.kind),
                          std::string("is not the tool path's cut on its line ") + std::to_string(cuts[k].record) +
                              " (a " + NameOf(cuts[k].entity.kind) + ")"});
      return;
    }
    ++k;
  }
  while (k < cuts.size() && cuts[k].shortLine) ++k;
  if (k < cuts.size()) {
    findings.push_back({FindingKind::EndsEarly, 0, "",
                        "the drawing ends before the tool path's cut on its line " + std::to_string(cuts[k].record)});
  }
  if (m.REDUN && m.ABSINC == 1 && list.deepest) CheckDrawnDepths(drawing, *list.deepest, findings);
}

}  // namespace quill
