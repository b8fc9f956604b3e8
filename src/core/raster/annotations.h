// The annotation layer of a traced picture: the lines the operator draws over it and the text marks
// ("O" origin, "X" the X axis, "S" the scale point), all in picture pixels (x to the right, y down).
//
// The annotation file QUILLPRO.ANT holds one annotation a line:
//   [LINE] X1 Y1 X2 Y2 COLOUR        a drawn line; COLOUR as $00BBGGRR in decimal
//   [LABEL] SIZE X Y FONT TEXT       a text mark; TEXT is last, so a one-letter mark ends the line
// The conversion into artwork reads this file by the field rules of annotation_fields.h.
#pragma once

#include <string>
#include <vector>

#include "job/preferences.h"

namespace quill {

enum class AnnotationKind { Line, Text };

struct Annotation {
  AnnotationKind kind = AnnotationKind::Line;
  double x1 = 0, y1 = 0;  // a line's start; a text's position
  double x2 = 0, y2 = 0;  // a line's end
  Color colour = clRed;
  std::string text;  // a text's letters (no blanks)
  std::string font = "Arial";
  int size = 12;

  static Annotation MakeLine(double x1, double y1, double x2, double y2, Color colour = clRed);
  static Annotation MakeText(const std::string& text, double x, double y, int size, const std::string& font = "Arial");
};

using Annotations = std::vector<Annotation>;

// The file's text, lines ended by carriage return and line feed.
std::string FormatAnnotations(const Annotations& list);
// Replaces the file whole; false (the old file kept) when it cannot be written.
bool WriteAnnotationFile(const std::string& path, const Annotations& list);
// The annotations of a file as they would be shown again; lines that are neither kind are passed over.
// A missing file gives none.
Annotations ReadAnnotationFile(const std::string& path);

}  // namespace quill
