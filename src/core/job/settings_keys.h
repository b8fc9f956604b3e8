// Every engraving setting by its project key: how its value line is written and how a value line read
// from a project is stored.  The order of the table is the order the project file is written in.
#pragma once

#include <span>
#include <string>

namespace quill {

class Job;

enum class SettingForm {
  FieldText,     // a numeric field's text, verbatim both ways
  SpinInt,       // an integer spin field: written as its text, read as a rounded integer within its range
  Bool,          // "0" or "1"; read as an integer, non-zero is on
  Choice,        // an item or button number; read as an integer, values outside its range change nothing
  StrictChoice,  // TSHAPE: read as a strict decimal integer; anything else stops the reading
  Fixed4,        // a number written with 4 decimals (reference frame); read as a number
  TipAngle,      // TLCR: the tip angle with 5 decimals, 0 for a flat tool; read verbatim
  PointCount,    // ACNPTS: the point count as an integer; read into the count and the field
  Name,          // free text (face name, prefix, suffix, machine), verbatim both ways
  FontFile,      // WFONTNAME: an engraving font's file name; any folder part is dropped on reading
};

// What storing one value line did.
enum class StoreResult { Stored, Unchanged, Stop };

struct SettingKey {
  const char* key;  // without the leading "$"
  SettingForm form;
  std::string (*get)(const Job& job);                          // the value line to write
  StoreResult (*set)(Job& job, const std::string& valueLine);  // warnings go through job.ui
};

// Keys written in this order after the version line; the tables, artwork and text follow them.
std::span<const SettingKey> WrittenSettingKeys();
// Keys the reader accepts but the writer never writes ("CMACHINE").
std::span<const SettingKey> ReadOnlySettingKeys();
// The entry for a key line without its "$" (exact match), or nullptr.
const SettingKey* FindSettingKey(const std::string& key);

}  // namespace quill
