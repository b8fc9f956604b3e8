#include "textpath/line_layout.h"

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "textpath/fit_arcs_step.h"
#include "textpath/placement.h"
#include "textpath/shape_steps.h"
#include "ui/ui.h"

namespace quill {

namespace {

// Chord tolerance for arcs that a step would otherwise bend out of shape.
constexpr double ArcChordTolerance = 0.0005;

void Say(Ui& ui, const char* step) { ui.Status(StatusChannel::TextPathConsole, step, ConsoleColor::Blue, true); }

// What the sources show as they load characters, for characters taken from what was loaded before.
void EchoLoaded(Ui& ui, const std::string& text) {
  for (char c : text) ui.Status(StatusChannel::TextPathConsole, std::string(1, c), ConsoleColor::Green, false);
}

}  // namespace

LineLayout::LineLayout(Job& job, CharacterSource& source, LineWork& line, ArcFitWorkFile& arcFit, LineCache* cache)
    : job_(job),
      ui_(job.ui),
      source_(source),
      line_(line),
      arcFit_(arcFit),
      cache_(cache),
      params_(ReadLayoutParams(job.ui, job.settings)) {}

bool LineLayout::MeasureReference(std::optional<ReferenceH>& known) {
  if (!known) {
    source_.SetScale({});
    ReferenceH h;
    h.loaded = line_.Clear();
    {
      TextPathWriter w = line_.Writer();
      h.loaded = h.loaded && source_.Load('H', w, h.extent);
    }
    known = h;
  } else {
    EchoLoaded(ui_, "H");
  }
  const CharExtent& h = known->extent;
  double height = h.YMax - h.YMin, width = h.XMax - h.XMin;
  if (!known->loaded || !(height > 0) || IsZero(height)) {
    ui_.Error("The letter H of the font has no height: the text cannot be laid out");
    return false;
  }
  GlyphScale scale;
  scale.height = 1 / height;
  bool specified = params_.specWide && !IsZero(width) && !IsZero(params_.textHigh);
  scale.width = specified ? params_.textWide / width / params_.textHigh : scale.height;
  scale.space = width * scale.width * 0.5;
  source_.SetScale(scale);
  scale_ = scale;
  return true;
}

SpacingRule LineLayout::Spacing(bool on) const {
  SpacingRule rule;
  rule.on = on;
  rule.constant = params_.constantSpacing;
  rule.charSpace = params_.charSpace;
  rule.wordSpace = params_.wordSpace;
  rule.widthFactor = params_.widthFactor;
  rule.fallbackHeight = params_.textHigh;
  rule.textIndex = textIndex_;
  rule.table = &job_.settings.CharTable;
  return rule;
}

std::vector<CurvePoint> LineLayout::CurvePoints() const {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < params_.curvePoints; ++i) {
    pts.push_back({job_.settings.ACURVEX[i], job_.settings.ACURVEY[i]});
  }
  return pts;
}

bool LineLayout::BuildLine(const std::string& text) {
  if (!line_.Clear(text.size())) return false;
  TextPathWriter w = line_.Writer();
  for (char c : text) {
    CharExtent extent;
    if (!source_.Load(static_cast<unsigned char>(c), w, extent)) return false;
    // A full disk ends the run at once: a long line would otherwise be built to its end for nothing.
    if (w.Failed()) break;
  }
  ui_.Status(StatusChannel::TextPathConsole, "", ConsoleColor::Blue, true);
  if (w.Close()) return true;
  ui_.Error("Text Path File write error [" + job_.paths.LineFile + "]");
  return false;
}

// Steps 1 to 5 of one line, which do not depend on where the line goes: a line shaped before with
// the same key comes from the cache, with the same console lines.
bool LineLayout::Shape(const std::string& text, ScaledLine& scaled) {
  const LayoutParams& p = params_;
  // The per-character table makes each line's spacing its own.
  const bool reusable = cache_ && p.constantSpacing && text.size() <= LineWork::MemoryChars;
  LineShapeKey key;
  const ShapedLine* known = nullptr;
  if (reusable) {
    key = LineShapeKey(text, scale_, p);
    known = cache_->Find(key);
  }
  if (known) {
    EchoLoaded(ui_, text);
    ui_.Status(StatusChannel::TextPathConsole, "", ConsoleColor::Blue, true);
  } else if (!BuildLine(text)) {
    return false;
  }
  if (!IsZero(p.tilt)) {
    Say(ui_, "Tilting The Text ...");
    if (!known) {
      ArcsToLines(line_, ArcChordTolerance, true);  // a sheared arc is no arc
      TiltLine(line_, p.tilt);
    }
  }
  if (p.vertical) {
    Say(ui_, "Rotate for Vertical Text ...");
    if (!known) RotateForVertical(line_);
  }
  Say(ui_, "Scaling and Spacing Text ...");
  if (!known) scaled = ScaleAndSpace(line_, p.textHigh * p.widthFactor / 100, p.textHigh, Spacing(true));
  if (p.mirror) {
    Say(ui_, "Mirroring Text ...");
    if (!known) MirrorLine(line_, scaled.length / 2);
  }
  if (known) {
    line_.Assign(known->records);
    scaled = known->scaled;
  } else if (reusable) {
    cache_->Keep(key, {line_.Records(), scaled});
  }
  return true;
}

// Steps 6 to 8 of one line: justification, placement and arc fitting.  False when the whole run has
// to end.
bool LineLayout::Place(ScaledLine& scaled) {
  const LayoutParams& p = params_;
  double angle = p.textAngle;
  if (p.justify == JustFull) {
    Say(ui_, "Full Justification ...");
    if (auto stretch = FullJustification(ui_, p, CurvePoints(), scaled.length, lineOffset_)) {
      scaled.length = ScaleAndSpace(line_, stretch->factor, 1, Spacing(false)).length;
      if (p.mode == ModeLinear) angle = stretch->angle;
    }
  }
  if (p.mode == ModeLinear) {
    Say(ui_, "Offsetting / Rotating Text ...");
    PlaceOnLine(line_, p, angle, scaled.length, lineOffset_);
  } else if (p.mode == ModeCurve) {
    Say(ui_, "Along a Curve ...");
    CurvePath curve;
    if (curve.Build(ui_, CurvePoints(), p.polyline)) {
      ArcsToLines(line_, ArcChordTolerance, false);  // a bent arc is no arc
      FollowCurve(ui_, line_, p, curve, scaled.length, lineOffset_);
    }
  } else {
    Say(ui_, "Wraping Around Arc ...");
    if (!PlaceOnArc(ui_, line_, p, scaled.length, lineOffset_)) return false;
  }
  if (p.fitArcs) {
    Say(ui_, "Fitting Tangent Arcs ...");
    FitLineArcs(ui_, line_, arcFit_, p.fitTolerance);
  }
  return true;
}

bool LineLayout::Lines(TextPathWriter& out) {
  for (const std::string& text : job_.text) {
    ScaledLine scaled;
    if (!Shape(text, scaled) || !Place(scaled)) return false;
    line_.AppendTo(out);
    out.Write(TpLineEnd, 0);
    if (out.Failed()) return false;  // reported when the file is closed
    lineOffset_ -= params_.lineSpace;
    textIndex_ += scaled.charCount + 2;
  }
  return true;
}

}  // namespace quill
