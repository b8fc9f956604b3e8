#include "toolpath/toolpath_dialog.h"

#include "job/flags.h"
#include "job/settings.h"
#include "mathlib/number_text.h"

namespace quill {

namespace {

// The dialog's fields hold evaluated numbers; anything else counts as 0 here and is reported when the
// tool path is generated.
double FieldValue(const std::string& text) {
  return StrictToDouble(text).value_or(0.0);
}

}  // namespace

const char* SourceCaption(ToolPathSource source) {
  switch (source) {
    case ToolPathSource::TextOnly: return "Text Only";
    case ToolPathSource::ArtworkOnly: return "Artwork Only";
    case ToolPathSource::ArtworkThenText: return "ArtWork, Then Text";
    case ToolPathSource::TextThenArtwork: return "Text, Then Artwork";
    case ToolPathSource::BitmapScan: return "3D Bitmap Scan";
  }
  return "";
}

ToolPathSource DefaultSource(const JobFlags& flags, ToolPathSource current) {
  if (flags.TextPathGenerated && flags.ArtworkPresent) return ToolPathSource::ArtworkThenText;
  if (flags.TextPathGenerated) return ToolPathSource::TextOnly;
  if (flags.ArtworkPresent) return ToolPathSource::ArtworkOnly;
  return current;
}

bool CarveAllowed(ToolPathSource source) {
  return source != ToolPathSource::ArtworkOnly;
}

void SetZAxisMode(ToolPathOptions& options, ZAxisMode mode) {
  options.zAxis = mode;
  if (mode == ZAxisMode::ProjectOnSurface) options.multipleDepths = false;
}

const char* ToolAngleCaption(int toolShape) {
  return toolShape == ShapeBall ? "Corner Rad." : "Tip Angle";
}

void ApplyToolShape(EngravingSettings& s) {
  double angle = FieldValue(s.TLCR), diameter = FieldValue(s.TOOLDIA);
  if (s.TSHAPE == ShapeBall && angle > diameter / 2) s.TLCR = FormatFixed(diameter / 2, 15);
  if (s.TSHAPE == ShapeCone && (angle > 179.99 || angle <= diameter)) s.TLCR = "60.0000";
}

// Only an angle no cone can have is replaced: 90 and 120 degree V-bits are everyday engraving tools.
void ApplyToolPathOk(EngravingSettings& s) {
  double angle = FieldValue(s.TLCR);
  if (s.TSHAPE == ShapeCone && (angle <= 0 || angle >= 180)) s.TLCR = "60.0";
}

}  // namespace quill
