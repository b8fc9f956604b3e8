#include "records/line_writer.h"

#include <cstring>

namespace quill {

namespace {
constexpr size_t BufferSize = 256 * 1024;
}

void LineWriter::Restart() {
  Close();
  failed_ = false;
  count_ = 0;
}

bool LineWriter::Open(const std::string& path, bool append) {
  Restart();
  file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  return file_ != nullptr;
}

bool LineWriter::OpenReplacing(const std::string& path, bool append) {
  Restart();
  replacing_ = std::make_unique<AtomicFile>(path, append ? AtomicFile::Start::OldContent : AtomicFile::Start::Empty);
  if (!replacing_->IsOpen()) {
    replacing_.reset();
    return false;
  }
  file_ = replacing_->Stream();
  return true;
}

void LineWriter::Flush() {
  if (used_ != 0 && std::fwrite(buffer_.get(), 1, used_, file_) != used_) failed_ = true;
  used_ = 0;
}

char* LineWriter::Room(size_t n) {
  if (!buffer_) buffer_.reset(new char[BufferSize]);
  if (BufferSize - used_ < n) Flush();
  return buffer_.get() + used_;
}

void LineWriter::Put(const std::string& line) {
  PutText(line.c_str(), std::strlen(line.c_str()));  // (up to a zero, as a C string)
}

void LineWriter::PutText(const char* text, size_t n) {
  if (!file_) return;
  ++count_;
  if (n + 2 > BufferSize) {  // a line longer than the buffer goes straight through
    Flush();
    if (std::fwrite(text, 1, n, file_) != n || std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
    return;
  }
  char* out = Room(n + 2);
  std::memcpy(out, text, n);
  out[n] = '\r';
  out[n + 1] = '\n';
  used_ += n + 2;
}

bool LineWriter::Close() {
  if (!file_) return !failed_;
  Flush();
  if (replacing_) {
    if (failed_ || !replacing_->Commit()) failed_ = true;
    replacing_.reset();
  } else if (std::fclose(file_) != 0) {
    failed_ = true;
  }
  file_ = nullptr;
  return !failed_;
}

}  // namespace quill
