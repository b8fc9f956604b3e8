#include "records/textpath_record.h"

#include "records/little_endian.h"

namespace quill {

namespace {

// A text path runs to hundreds of megabytes: its stream goes to the disk in large pieces.
constexpr size_t StreamBuffer = 1 << 16;

void UseBuffer(std::FILE* file, std::unique_ptr<char[]>& buffer) {
  if (!buffer) buffer.reset(new char[StreamBuffer]);
  std::setvbuf(file, buffer.get(), _IOFBF, StreamBuffer);
}

}  // namespace

void EncodeTextPathRecord(const TextPathRecord& rec, unsigned char out[TextPathRecordSize]) {
  PutLittleEndian<int16_t>(out, rec.kind);
  PutLittleEndian<int16_t>(out + 2, rec.value);
  PutLittleEndian<double>(out + 4, rec.X);
  PutLittleEndian<double>(out + 12, rec.Y);
  PutLittleEndian<double>(out + 20, rec.R);
  PutLittleEndian<double>(out + 28, rec.CX);
  PutLittleEndian<double>(out + 36, rec.CY);
}

TextPathRecord DecodeTextPathRecord(const unsigned char in[TextPathRecordSize]) {
  TextPathRecord r;
  r.kind = GetLittleEndian<int16_t>(in);
  r.value = GetLittleEndian<int16_t>(in + 2);
  r.X = GetLittleEndian<double>(in + 4);
  r.Y = GetLittleEndian<double>(in + 12);
  r.R = GetLittleEndian<double>(in + 20);
  r.CX = GetLittleEndian<double>(in + 28);
  r.CY = GetLittleEndian<double>(in + 36);
  return r;
}

bool TextPathWriter::Open(const std::string& path, bool append) {
  Close();
  owned_ = true;
  failed_ = false;
  count_ = 0;
  file_ = std::fopen(path.c_str(), append ? "ab" : "wb");
  if (file_) UseBuffer(file_, buffer_);
  return file_ != nullptr;
}

void TextPathWriter::Write(const TextPathRecord& rec) {
  if (memory_) {
    memory_->push_back(rec);
    ++count_;
    return;
  }
  if (!file_) return;
  unsigned char buf[TextPathRecordSize];
  EncodeTextPathRecord(rec, buf);
  // Streams are used by one thread: no locking per record.
  if (fwrite_unlocked(buf, 1, sizeof buf, file_) != sizeof buf) failed_ = true;
  ++count_;
}

void TextPathWriter::Write(int16_t kind, int16_t value, double x, double y, double r, double cx, double cy) {
  Write(TextPathRecord{kind, value, x, y, r, cx, cy});
}

bool TextPathWriter::Close() {
  memory_ = nullptr;
  if (!file_) return !failed_;
  if ((owned_ ? std::fclose(file_) : std::fflush(file_)) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

TextPathReader::TextPathReader(const std::string& path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (file_) UseBuffer(file_, buffer_);
}

TextPathReader::~TextPathReader() {
  if (file_ && owned_) std::fclose(file_);
}

bool TextPathReader::Next(TextPathRecord& rec) {
  if (!file_) return false;
  unsigned char buf[TextPathRecordSize];
  if (fread_unlocked(buf, 1, sizeof buf, file_) != sizeof buf) return false;  // (no locking, as above)
  rec = DecodeTextPathRecord(buf);
  return true;
}

}  // namespace quill
