#include "records/line_reader.h"

namespace quill {

LineReader::LineReader(const std::string& path, size_t cap) : cap_(cap) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
}

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

bool LineReader::Next(std::string& line) {
  line.clear();
  if (!file_) return false;
  int c;
  bool any = false;
  while ((c = std::getc(file_)) != EOF) {
    any = true;
    if (c == '\n') break;
    if (line.size() < cap_) line += static_cast<char>(c);
  }
  if (!any) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNumber_;
  return true;
}

}  // namespace quill
