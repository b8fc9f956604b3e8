// How one line of the annotation file is read: a line holding "[LABEL]" is a mark, one holding "[LINE]"
// a drawn line.  Everything up to and including the line's first "]" is dropped and the rest split at
// blanks into fields, numbered from 1; a field that is not a number counts as 0.  A mark's position
// is fields 2 and 3 and its text the last character of the line; a line's points are fields 1 to 4.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

enum class AnnotationLineKind { Other, Mark, Line };

struct AnnotationLine {
  AnnotationLineKind kind = AnnotationLineKind::Other;
  std::vector<std::string> fields;  // after the first "]"
  char last = 0;                    // the line's last character (trailing blanks and line ends dropped)

  // Field n (1-based) as a number; 0 when it is missing or not a finite number.
  double Number(size_t n) const;
};

AnnotationLine ReadAnnotationLine(std::string_view line);

}  // namespace quill
