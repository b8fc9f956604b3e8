// What the settings dialog shows for the current settings: the labels and enabled states of the text
// coordinates, the justification buttons, the curve group, the font and spacing controls.  The dialog
// calls these whenever a mode, justification, font kind or spacing kind changes and after a load.
#pragma once

#include <array>

#include "job/settings.h"

namespace quill {

struct CoordinateField {
  const char* label;
  bool enabled;  // the label goes with its field
};

// XSTART, YSTART, TANGLE, XEND, YEND, in that order.
std::array<CoordinateField, 5> TextCoordinateFields(int mode, int justify);

// "Left Justify", "Right Justify", "Center Justify", "Full Justification": which may be chosen.
std::array<bool, 4> JustifyButtonsEnabled(int mode);

// Choosing a text mode: "Along a Curve" keeps Full justification and turns anything else to Left.
void SelectTextMode(EngravingSettings& s, int mode);

struct CurveGroupState {
  bool enabled;
  const char* caption;
};
CurveGroupState CurveGroup(int mode);

enum class SampleStyle { Regular, Bold, Italic, BoldItalic };

struct FontControls {
  const char* sampleText;  // "QUILLMARK" in the chosen face, or "No Preview"
  SampleStyle sampleStyle;
  bool trueTypeControls;  // font chooser, "Bold", "Italics", "Specify Text Width"
  bool ownFontButton;     // "Select Quillmark &Font"
  bool widthField;        // the width next to "Specify Text Width"
};
FontControls FontKindControls(const EngravingSettings& s);

struct SpacingControls {
  bool letterSpace, wordSpace, lineSpace, charTable, textEffects;
};
SpacingControls SpacingKindControls(const EngravingSettings& s);

}  // namespace quill
