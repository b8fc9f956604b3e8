#include "textpath/generate_text_path.h"

#include <filesystem>
#include <string>

#include "job/job.h"
#include "mathlib/geom2d.h"
#include "textpath/character_source.h"
#include "textpath/fit_arcs_step.h"
#include "textpath/layout_params.h"
#include "textpath/placement.h"
#include "textpath/scale_space.h"
#include "textpath/shape_steps.h"
#include "textpath/textpath_file.h"
#include "ui/ui.h"

namespace fs = std::filesystem;

namespace quill {

namespace {

// Chord tolerance for arcs that a step would otherwise bend out of shape.
constexpr double ArcChordTolerance = 0.0005;
constexpr const char* KeptTextFile = "frtemp.tmp";

void Say(Ui& ui, const char* step) { ui.Status(StatusChannel::TextPathConsole, step, ConsoleColor::Blue, true); }

bool TextIsEmpty(const std::vector<std::string>& text) {
  for (const auto& line : text) {
    if (!line.empty()) return false;
  }
  return true;
}

long FileSize(const std::string& path) {
  std::error_code ec;
  auto n = fs::file_size(path, ec);
  return ec ? 0 : static_cast<long>(n);
}

class Generator {
 public:
  Generator(Job& job, CharacterSource& source)
      : job_(job), ui_(job.ui), source_(source), params_(ReadLayoutParams(job.ui, job.settings)),
        line_(job.paths.LineFile, job.paths.Line1File) {}

  bool MeasureReference();
  bool Lines(TextPathWriter& out);

 private:
  bool BuildLine(const std::string& text);
  bool ShapeAndPlace(ScaledLine& scaled);
  SpacingRule Spacing(bool on) const;
  std::vector<CurvePoint> CurvePoints() const;

  Job& job_;
  Ui& ui_;
  CharacterSource& source_;
  LayoutParams params_;
  LineWork line_;
  double lineOffset_ = 0;
  long textIndex_ = 0;
};

// The letter H sets the scales of TrueType glyphs and the width of the space.
bool Generator::MeasureReference() {
  source_.SetScale({});
  CharExtent h;
  bool loaded = line_.Clear();
  {
    TextPathWriter w = line_.Writer();
    loaded = loaded && source_.Load('H', w, h);
  }
  double height = h.YMax - h.YMin, width = h.XMax - h.XMin;
  if (!loaded || !(height > 0) || IsZero(height)) {
    ui_.Error("The letter H of the font has no height: the text cannot be laid out");
    return false;
  }
  GlyphScale scale;
  scale.height = 1 / height;
  bool specified = params_.specWide && !IsZero(width) && !IsZero(params_.textHigh);
  scale.width = specified ? params_.textWide / width / params_.textHigh : scale.height;
  scale.space = width * scale.width * 0.5;
  source_.SetScale(scale);
  return true;
}

SpacingRule Generator::Spacing(bool on) const {
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

std::vector<CurvePoint> Generator::CurvePoints() const {
  std::vector<CurvePoint> pts;
  for (int i = 0; i < params_.curvePoints; ++i) {
    pts.push_back({job_.settings.ACURVEX[i], job_.settings.ACURVEY[i]});
  }
  return pts;
}

bool Generator::BuildLine(const std::string& text) {
  if (!line_.Clear()) return false;
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

// Steps 2 to 8 of one line; false when the whole run has to end.
bool Generator::ShapeAndPlace(ScaledLine& scaled) {
  const LayoutParams& p = params_;
  if (!IsZero(p.tilt)) {
    Say(ui_, "Tilting The Text ...");
    ArcsToLines(line_, ArcChordTolerance, true);  // a sheared arc is no arc
    TiltLine(line_, p.tilt);
  }
  if (p.vertical) {
    Say(ui_, "Rotate for Vertical Text ...");
    RotateForVertical(line_);
  }
  Say(ui_, "Scaling and Spacing Text ...");
  scaled = ScaleAndSpace(line_, p.textHigh * p.widthFactor / 100, p.textHigh, Spacing(true));
  if (p.mirror) {
    Say(ui_, "Mirroring Text ...");
    MirrorLine(line_, scaled.length / 2);
  }
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
    FitLineArcs(ui_, line_, job_.paths.ArcFitFile, p.fitTolerance);
  }
  return true;
}

bool Generator::Lines(TextPathWriter& out) {
  for (const std::string& text : job_.text) {
    if (!BuildLine(text)) return false;
    ScaledLine scaled;
    if (!ShapeAndPlace(scaled)) return false;
    line_.AppendTo(out);
    out.Write(TpLineEnd, 0);
    if (out.Failed()) return false;  // reported when the file is closed
    lineOffset_ -= params_.lineSpace;
    textIndex_ += scaled.charCount + 2;
  }
  return true;
}

// The kept text comes first; it goes back in front of whatever this run produced, also when the run
// stopped early, so no earlier text is ever lost.  False when the two could not be joined: the earlier
// text then stays in the kept file, and the caller says where.
bool MergeKeptText(const std::string& kept, const std::string& textPath) {
  TextPathWriter merged(kept, true);
  AppendRecords(textPath, merged);
  if (!merged.Close()) return false;
  std::error_code ec;
  fs::rename(kept, textPath, ec);
  return !ec;
}

}  // namespace

TextPathOutcome GenerateTextPath(Job& job, bool keepExisting) {
  Ui& ui = job.ui;
  const JobPaths& paths = job.paths;
  std::unique_ptr<CharacterSource> source = OpenCharacterSource(job);
  if (!source) return TextPathOutcome::Stopped;
  if (TextIsEmpty(job.text)) {
    ui.Error("No text specified");
    return TextPathOutcome::Stopped;
  }
  std::string kept = paths.ExeDir + KeptTextFile;
  std::error_code ec;
  keepExisting = keepExisting && FileSize(paths.TextPathFileName) >= static_cast<long>(TextPathRecordSize);
  if (keepExisting) fs::rename(paths.TextPathFileName, kept, ec);
  if (ec) keepExisting = false;

  TextPathWriter out(paths.TextPathFileName);
  bool opened = out.IsOpen();
  ui.ClearStatus(StatusChannel::TextPathConsole);
  Generator gen(job, *source);
  bool done = opened && gen.MeasureReference() && gen.Lines(out);
  // A text path cut short by a full disk would be cut as if it were the whole text.
  if (!out.Close() || !opened) {
    ui.Error("Text Path File write error [" + paths.TextPathFileName + "]");
    done = false;
  }
  if (keepExisting && !MergeKeptText(kept, paths.TextPathFileName)) {
    ui.Error("Text Path File write error [" + kept + "]");
    done = false;
  }
  return done ? TextPathOutcome::Generated : TextPathOutcome::Stopped;
}

TextPathOutcome GenerateAndShowTextPath(Job& job, bool keepExisting) {
  TextPathOutcome outcome = GenerateTextPath(job, keepExisting);
  job.flags.TextPathGenerated = true;
  WorldWindow& w = job.view.ViewWindow;
  TextPathExtents(job, w.Xmin, w.Ymin, w.Xmax, w.Ymax, true, true);
  return outcome;
}

}  // namespace quill
