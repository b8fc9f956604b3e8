#include "records/line_writer.h"

namespace quill {

void LineWriter::Restart() {
  Close();
  failed_ = false;
  count_ = 0;
}

bool LineWriter::Open(const std::string& path, bool append) {
  Restart();
  file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file_) std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
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

void LineWriter::Put(const std::string& line) {
  if (!file_) return;
  if (std::fputs(line.c_str(), file_) < 0 || std::fputs("\r\n", file_) < 0) failed_ = true;
  ++count_;
}

void LineWriter::PutText(const char* text, size_t n) {
  if (!file_) return;
  if (std::fwrite(text, 1, n, file_) != n || std::fwrite("\r\n", 1, 2, file_) != 2) failed_ = true;
  ++count_;
}

bool LineWriter::Close() {
  if (!file_) return !failed_;
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
