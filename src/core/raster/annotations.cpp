#include "raster/annotations.h"

#include <cmath>

#include "mathlib/number_text.h"
#include "raster/annotation_fields.h"
#include "records/atomic_file.h"
#include "records/line_reader.h"

namespace quill {

namespace {

// Whole pixels as whole numbers; a picture turned by an odd angle leaves fractions, kept to 1/1000.
std::string PixelText(double v) {
  if (!std::isfinite(v)) return "0";
  if (v == std::round(v) && std::fabs(v) < 1e15) return IntToText(static_cast<long long>(v));
  return FormatFixed(v, 3);
}

// The mark's letters without blanks, so the last one ends the line.
std::string MarkText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') out += c;
  }
  return out.empty() ? "?" : out;
}

std::string FontName(const std::string& font) {
  std::string out = MarkText(font);
  return out == "?" ? "Arial" : out;
}

std::string FormatOne(const Annotation& a) {
  if (a.kind == AnnotationKind::Line) {
    return "[LINE] " + PixelText(a.x1) + " " + PixelText(a.y1) + " " + PixelText(a.x2) + " " + PixelText(a.y2) + " " +
           IntToText(a.colour);
  }
  return "[LABEL] " + IntToText(a.size) + " " + PixelText(a.x1) + " " + PixelText(a.y1) + " " + FontName(a.font) + " " +
         MarkText(a.text);
}

bool ParseOne(const std::string& line, Annotation& out) {
  AnnotationLine read = ReadAnnotationLine(line);
  if (read.kind == AnnotationLineKind::Line) {
    out = Annotation::MakeLine(read.Number(1), read.Number(2), read.Number(3), read.Number(4));
    double colour = read.Number(5);
    if (read.fields.size() >= 5 && colour >= 0 && colour <= 0xFFFFFF) out.colour = static_cast<Color>(colour);
    return true;
  }
  if (read.kind == AnnotationLineKind::Mark) {
    double size = read.Number(1);
    int points = size >= 1 && size <= 1000 ? static_cast<int>(size) : 12;
    std::string font = read.fields.size() >= 5 ? read.fields[3] : "Arial";
    std::string text = read.fields.size() >= 4 ? read.fields.back() : std::string(1, read.last ? read.last : '?');
    out = Annotation::MakeText(text, read.Number(2), read.Number(3), points, font);
    return true;
  }
  return false;
}

}  // namespace

Annotation Annotation::MakeLine(double x1, double y1, double x2, double y2, Color colour) {
  Annotation a;
  a.kind = AnnotationKind::Line;
  a.x1 = x1, a.y1 = y1, a.x2 = x2, a.y2 = y2;
  a.colour = colour;
  return a;
}

Annotation Annotation::MakeText(const std::string& text, double x, double y, int size, const std::string& font) {
  Annotation a;
  a.kind = AnnotationKind::Text;
  a.x1 = x, a.y1 = y;
  a.x2 = x, a.y2 = y;
  a.text = text;
  a.font = font;
  a.size = size;
  return a;
}

std::string FormatAnnotations(const Annotations& list) {
  std::string out;
  for (const Annotation& a : list) out += FormatOne(a) + "\r\n";
  return out;
}

bool WriteAnnotationFile(const std::string& path, const Annotations& list) {
  return WriteFileAtomically(path, FormatAnnotations(list));
}

Annotations ReadAnnotationFile(const std::string& path) {
  Annotations out;
  LineReader in(path);
  std::string line;
  Annotation a;
  while (in.Next(line)) {
    if (ParseOne(line, a)) out.push_back(a);
  }
  return out;
}

}  // namespace quill
