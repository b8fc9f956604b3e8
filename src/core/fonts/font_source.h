// Reading the lines of a font source (.QXS): character headers, ignored lines and the address words of
// a motion line.
#pragma once

#include <optional>
#include <string_view>

namespace quill {

// What a source line is, before its words are read.
enum class SourceLineKind { Header, BadHeader, Ignored, Motion };

// The line's kind; for a header the character code (0 to 255) goes to `code`.  A header starts with "("
// and is either three characters long, '(A)', or has "#" second, '(#65)'.  Empty lines, other lines
// starting with "(" and lines holding a "T" anywhere are ignored.
SourceLineKind ClassifySourceLine(std::string_view line, int& code);

// The number right after the first `letter` of the line: the longest run of + - . and digits, converted
// strictly.  Nothing when the letter is missing or the run is no finite number.
std::optional<double> AddressValue(std::string_view line, char letter);

// The G word of a motion line.  G03, G02, G01 and G00 in falling priority; G10 overrides those, G11
// overrides G10.
enum class GWord { None, G00, G01, G02, G03, G10, G11 };
GWord FindGWord(std::string_view line);

// True when the line carries none of the words that move: no G word and none of X, Y, U, V, I, J
// (the closing "M30" of a source, block numbers).
bool MovesNothing(std::string_view line);

}  // namespace quill
