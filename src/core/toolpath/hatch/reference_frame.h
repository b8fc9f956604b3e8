// The reference frame: a rectangle in the work plane around the lettering (RFX, RFY, RFXX, RFYY and
// RFRAME), drawn in the view and bounding the background of raised letters.
#pragma once

#include <string>

namespace quill {

class Job;

// The caption the menu command "Re&f-Frame" gives the dialog.
inline constexpr const char* ReferenceFrameCaption = "Refrence Frame";

// The "Reference Frame" dialog's fields.
struct ReferenceFrameFields {
  bool enabled = false;  // "Reference Frame Enabled"
  std::string x, y;      // "Frame Starting -X- ", "Frame Starting -Y- "
  std::string width;     // "Frame Width"
  std::string height;    // "Frame Height"
};

// The fields as the dialog opens: the settings with 4 decimals (a text that is not a number shows 0).
ReferenceFrameFields ReferenceFrameDialogFields(const Job& job);

// OK: the fields become the settings and RefFrameOn; the project is then modified.
void StoreReferenceFrame(Job& job, const ReferenceFrameFields& fields);

}  // namespace quill
