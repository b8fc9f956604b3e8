#include "nc/nc_output.h"

#include "mathlib/fixed_format.h"

namespace quill {

namespace {
constexpr size_t FlushAt = size_t{1} << 20;
}

NcOutput::NcOutput(const std::string& path) : file_(path) {
  buffer_.reserve(FlushAt + 4096);
}

void NcOutput::EndLine() {
  buffer_ += "\r\n";
  LineDone();
}

void NcOutput::LineDone() {
  ++lines_;
  if (buffer_.size() >= FlushAt) {
    file_.Write(buffer_);
    buffer_.clear();
  }
}

void NcOutput::Number() {
  if (!numbered) return;
  char text[24];
  buffer_ += 'N';
  buffer_.append(text, WriteInteger(text, sequence));
  sequence += step;
}

void NcOutput::Line(std::string_view text) {
  buffer_ += text;
  EndLine();
}

void NcOutput::Block(std::string_view text) {
  OpenBlock() += text;
  CloseBlock();
}

std::string& NcOutput::OpenBlock() {
  Number();
  return buffer_;
}

void NcOutput::CloseBlock() {
  if (dollar) buffer_ += '$';
  EndLine();
}

void NcOutput::CloseBlock(char* words, char* end) {
  if (dollar) *end++ = '$';
  *end++ = '\r';
  *end++ = '\n';
  buffer_.append(words, end);
  LineDone();
}

void NcOutput::NumberedLine(std::string_view text) {
  Number();
  buffer_ += text;
  EndLine();
}

bool NcOutput::Commit() {
  file_.Write(buffer_);
  buffer_.clear();
  return file_.Commit();
}

}  // namespace quill
