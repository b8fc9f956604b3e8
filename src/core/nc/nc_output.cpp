#include "nc/nc_output.h"

namespace quill {

void NcOutput::Line(const std::string& text) {
  file_.Write(text);
  file_.Write("\r\n");
  ++lines_;
}

std::string NcOutput::Numbered(const std::string& text) {
  if (!numbered) return text;
  std::string out = "N" + std::to_string(sequence) + text;
  sequence += step;
  return out;
}

void NcOutput::Block(const std::string& text) {
  Line(dollar ? Numbered(text) + "$" : Numbered(text));
}

void NcOutput::NumberedLine(const std::string& text) {
  Line(Numbered(text));
}

}  // namespace quill
