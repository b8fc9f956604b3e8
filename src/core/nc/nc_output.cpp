#include "nc/nc_output.h"

#include <cstring>

#include "mathlib/fixed_format.h"

namespace quill {

namespace {
// The buffer goes to the file once it holds this much; a block of words fits in the room after it.
constexpr size_t FlushAt = size_t{1} << 20;
constexpr size_t BufferSize = FlushAt + 64 * 1024;
constexpr size_t BlockEndRoom = 3;  // "$\r\n"
}  // namespace

NcOutput::NcOutput(const std::string& path)
    : file_(path), buffer_(std::make_unique_for_overwrite<char[]>(BufferSize)), capacity_(BufferSize) {}

void NcOutput::Flush() {
  file_.Write(std::string_view(buffer_.get(), used_));
  used_ = 0;
}

char* NcOutput::Room(size_t n) {
  if (used_ + n <= capacity_) return buffer_.get() + used_;
  Flush();
  if (n > capacity_) {  // a line or block longer than the whole buffer (a long comment or machine code)
    buffer_ = std::make_unique_for_overwrite<char[]>(n);
    capacity_ = n;
  }
  return buffer_.get();
}

void NcOutput::Append(std::string_view text) {
  std::memcpy(Room(text.size()), text.data(), text.size());
  used_ += text.size();
}

void NcOutput::EndLine() {
  Append("\r\n");
  LineDone();
}

void NcOutput::LineDone() {
  ++lines_;
  if (used_ >= FlushAt) Flush();
}

void NcOutput::Number() {
  if (!numbered) return;
  char text[24];
  text[0] = 'N';
  Append(std::string_view(text, static_cast<size_t>(WriteInteger(text + 1, sequence) - text)));
  sequence += step;
}

void NcOutput::Line(std::string_view text) {
  Append(text);
  EndLine();
}

void NcOutput::Block(std::string_view text) {
  Number();
  Append(text);
  if (dollar) Append("$");
  EndLine();
}

char* NcOutput::OpenBlock(size_t room) {
  Number();
  return Room(room + BlockEndRoom);
}

void NcOutput::CloseBlock(char* end) {
  if (dollar) *end++ = '$';
  *end++ = '\r';
  *end++ = '\n';
  used_ = static_cast<size_t>(end - buffer_.get());
  LineDone();
}

void NcOutput::NumberedLine(std::string_view text) {
  Number();
  Append(text);
  EndLine();
}

bool NcOutput::Commit() {
  Flush();
  return file_.Commit();
}

}  // namespace quill
