#include "artwork/workshop/properties.h"

#include <cmath>
#include <optional>

#include "artwork/workshop/document.h"
#include "mathlib/constants.h"
#include "mathlib/number_text.h"
#include "ui/ui.h"

namespace quill {

namespace {

constexpr const char* kPointCaptions[] = {"-X- Coordinate", "-Y- Coordinate"};
constexpr const char* kLineCaptions[] = {"-X- Start", "-Y- Start", "-X- End", "-Y- End"};
constexpr const char* kArcCaptions[] = {"-X- Center", "-Y- Center", "Radius", "Start Angle", "End Angle"};

template <size_t N>
void Fill(EntityProperties& props, const char* const (&captions)[N], std::initializer_list<double> values) {
  const double* v = values.begin();
  for (size_t i = 0; i < N; ++i) props.fields.push_back({captions[i], FloatToText(false, v[i])});
}

std::string Info(const char* label, double value) {
  return std::string(label) + FloatToText(false, value);
}

}  // namespace

bool SelectedProperties(Ui& ui, const WorkshopDocument& doc, EntityProperties& props) {
  long first = doc.FirstSelected();
  if (first < 0) return false;
  const tgEntity& e = doc.At(static_cast<size_t>(first));
  props = {};
  props.kind = e.Kind();
  if (e.IsPoint()) {
    Fill(props, kPointCaptions, {e.X(), e.Y()});
    props.information = {Info("Length    :  ", 0)};
  } else if (e.IsLine()) {
    Fill(props, kLineCaptions, {e.X(), e.Y(), e.XE(), e.YE()});
    props.information = {Info("Length    :  ", e.LengthOf()), Info("Angle     :  ", e.LineAngleOf() * RadToDeg)};
  } else if (e.IsArc()) {
    Fill(props, kArcCaptions, {e.X(), e.Y(), e.R(), e.SA() * RadToDeg, e.FA() * RadToDeg});
    props.ccw = e.IsCCW();
    props.information = {Info("Length    :  ", e.LengthOf()), Info("Arc Angle :  ", e.ArcAngle(ui) * RadToDeg)};
  }
  return true;
}

bool ApplyProperties(Ui& ui, WorkshopDocument& doc, const EntityProperties& props) {
  long first = doc.FirstSelected();
  if (first < 0) return false;
  tgEntity e = doc.At(static_cast<size_t>(first));
  size_t wanted = e.IsPoint() ? 2 : e.IsLine() ? 4 : e.IsArc() ? 5 : 0;
  if (e.Kind() != props.kind || props.fields.size() != wanted) return false;
  double v[5] = {};
  for (size_t i = 0; i < wanted; ++i) {
    std::optional<double> n = StrictToDouble(props.fields[i].text);
    if (!n || !std::isfinite(*n)) {
      TextToDouble(ui, props.fields[i].text);  // says which field text is no number
      return false;
    }
    v[i] = *n;
  }
  if (e.IsPoint()) e.SetPoint(v[0], v[1], 0);
  if (e.IsLine()) e.SetLine(v[0], v[1], 0, v[2], v[3], 0);
  if (e.IsArc()) {
    if (!(v[2] > 0)) {
      ui.Warn("The Radius of an Arc Must be Greater than 0");
      return false;
    }
    e.SetArc(v[0], v[1], 0, v[2], v[3] * DegToRad, v[4] * DegToRad);
    e.SetCCW(props.ccw);
  }
  doc.Modify(
      {static_cast<size_t>(first)}, [&](tgEntity& target) { target = e; }, "Properties");
  return true;
}

}  // namespace quill
