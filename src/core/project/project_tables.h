// The rows of a project's three tables: the curve points ("$ACURVETAB") and the per-character spacing
// and height ("$VSPACETAB", "$VHEIGHTTAB").
#pragma once

#include <string>

namespace quill {

class Ui;
struct EngravingSettings;

// A single-precision value right-aligned in 12 characters with 8 decimals (wider when it needs it).
std::string FormatW12(float value);

std::string CurveRow(float x, float y);
// The value (spacing or height) and the character's code, 0..255.
std::string CharRow(float value, char ch);

// The two words of a row: leading spaces skipped, the first word up to the next space, the spaces
// after it skipped, the rest of the line as the second word.
struct RowWords {
  std::string first, second;
};
RowWords SplitTableRow(const std::string& row);

enum class CharColumn { Spacing, Height };

// Store row k (0-based) of a table; rows past the table's size are the caller's to skip.
void StoreCurveRow(Ui& ui, EngravingSettings& s, int k, const std::string& row);
void StoreCharRow(Ui& ui, EngravingSettings& s, CharColumn column, int k, const std::string& row);

}  // namespace quill
