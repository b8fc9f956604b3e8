#include "artwork/dxf_sources.h"

#include <cmath>

#include "artwork/dxf_blocks.h"

namespace quill {

namespace {

// Blanks and tabs inside a code line do not count; anything else that is not a whole number is 0.
// False for a line of blanks only.
bool ParseCode(const std::string& line, int& code) {
  long value = 0;
  int digits = 0;
  bool signed_ = false, negative = false, damaged = false;
  for (char c : line) {
    if (c == ' ' || c == '\t') continue;
    if (c >= '0' && c <= '9' && value <= 32767) {
      value = value * 10 + (c - '0');
      ++digits;
    } else if ((c == '-' || c == '+') && digits == 0 && !signed_) {
      signed_ = true;
      negative = c == '-';
    } else {
      damaged = true;
    }
  }
  if (digits == 0 && !damaged && !signed_) return false;
  code = damaged || digits == 0 || value > 32767 ? 0 : static_cast<int>(negative ? -value : value);
  return true;
}

}  // namespace

bool DxfSources::OpenDrawing(const std::string& path) {
  depth_ = 0;
  levels_[0].t = InsertTransform();
  return levels_[0].lines.OpenFile(path);
}

bool DxfSources::NextGroup(DxfGroup& g) {
  DxfLines& lines = levels_[depth_].lines;
  // Blank lines where a code belongs are passed over.
  do {
    if (!lines.Next(codeLine_)) return false;
  } while (!ParseCode(codeLine_, g.code));
  if (!lines.Next(g.value)) g.value.clear();
  // Names (of sections, tables, entities) are compared whole: blanks after them do not count.
  if (g.code == 0) g.value.erase(g.value.find_last_not_of(" \t") + 1);
  return true;
}

bool DxfSources::NextName(std::string& name) {
  DxfGroup g;
  while (NextGroup(g)) {
    if (g.code == 0) {
      name = std::move(g.value);
      return true;
    }
  }
  return false;
}

bool DxfSources::Push(const DxfBlock& block, const InsertTransform& t, std::optional<std::string> resume) {
  if (depth_ >= MaxInsertDepth) return false;
  Level& level = levels_[depth_ + 1];
  if (block.file.empty()) {
    level.lines.OpenText(block.text);
  } else if (!level.lines.OpenFile(block.file)) {
    return false;
  }
  level.t = t;
  level.resume = std::move(resume);
  ++depth_;
  return true;
}

bool DxfSources::Pop(std::string& name) {
  while (depth_ > 0) {
    Level& level = levels_[depth_--];
    level.lines.Close();
    level.t = InsertTransform();
    if (level.resume) {
      name = std::move(*level.resume);
      level.resume.reset();
      return true;
    }
  }
  return false;
}

void DxfSources::ToWorld(DxfPoint& p) const {
  for (int d = depth_; d > 0; --d) levels_[d].t.Apply(p);
}

bool DxfSources::AllUniform() const {
  for (int d = depth_; d > 0; --d) {
    if (!levels_[d].t.Uniform()) return false;
  }
  return true;
}

bool DxfSources::Mirrors() const {
  bool mirrored = false;
  for (int d = depth_; d > 0; --d) mirrored ^= levels_[d].t.sx * levels_[d].t.sy < 0;
  return mirrored;
}

void DxfSources::ArcToWorld(double& r, double& sa, double& fa) const {
  for (int d = depth_; d > 0; --d) levels_[d].t.ApplyToArc(r, sa, fa);
}

}  // namespace quill
