// The layout of the job's text lines with the settings of the moment: every line built from the
// characters, shaped, scaled, spaced, justified and placed, then written to the text path.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "mathlib/curves.h"
#include "textpath/arcfit_file.h"
#include "textpath/character_source.h"
#include "textpath/layout_params.h"
#include "textpath/line_cache.h"
#include "textpath/line_work.h"
#include "textpath/scale_space.h"

namespace quill {

class Job;
class Ui;

// The letter H as the source draws it in its own units; it sets the glyphs' scale and the space.
struct ReferenceH {
  bool loaded = false;
  CharExtent extent;
};

class LineLayout {
 public:
  // The run's line, arc-fit file and (or null) the lines laid out before with the same source.
  LineLayout(Job& job, CharacterSource& source, LineWork& line, ArcFitWorkFile& arcFit, LineCache* cache);

  // Loads the H from the source, or takes the one given (the same source's), and sets the scales.
  // False after its message when the H has no height.
  bool MeasureReference(std::optional<ReferenceH>& known);
  // Lays out every line of the job's text into out; false when the whole run has to end.
  bool Lines(TextPathWriter& out);

 private:
  bool BuildLine(const std::string& text);
  bool Shape(const std::string& text, ScaledLine& scaled);
  bool Place(ScaledLine& scaled);
  SpacingRule Spacing(bool on) const;
  std::vector<CurvePoint> CurvePoints() const;

  Job& job_;
  Ui& ui_;
  CharacterSource& source_;
  LineWork& line_;
  ArcFitWorkFile& arcFit_;
  LineCache* cache_;
  LayoutParams params_;
  GlyphScale scale_;
  double lineOffset_ = 0;
  long textIndex_ = 0;
};

}  // namespace quill
