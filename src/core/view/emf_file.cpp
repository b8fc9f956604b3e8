#include "view/emf_file.h"

#include <limits>

namespace quill {

namespace {

constexpr const char kDescription[] = "QUILLMARK PRO-2008\0QP2008.EMF\0";  // two strings, then a final zero
constexpr size_t kDescriptionChars = sizeof kDescription;

}  // namespace

EmfRecord& EmfRecord::U32(uint32_t v) {
  for (int i = 0; i < 4; ++i) body_.push_back(static_cast<char>(v >> (8 * i)));
  return *this;
}

EmfRecord& EmfRecord::U16(uint16_t v) {
  body_.push_back(static_cast<char>(v));
  body_.push_back(static_cast<char>(v >> 8));
  return *this;
}

EmfRecord& EmfRecord::U8(uint8_t v) {
  body_.push_back(static_cast<char>(v));
  return *this;
}

EmfRecord& EmfRecord::Utf16(const std::string& text, size_t count) {
  for (size_t i = 0; i < count; ++i) U16(i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
  return *this;
}

EmfRecord& EmfRecord::Pad4() {
  while (body_.size() % 4) body_.push_back(0);
  return *this;
}

EmfFile::EmfFile(const std::string& path, int width, int height, int dpi)
    : file_(path), width_(width), height_(height), dpi_(dpi > 0 ? dpi : 96) {
  Put(Header(0));
}

bool EmfFile::Raw(const EmfRecord& record) {
  EmfRecord head(record.Type());
  head.U32(record.Type()).U32(static_cast<uint32_t>(record.Size()));
  std::FILE* f = file_.Stream();
  return std::fwrite(head.Body().data(), 1, 8, f) == 8 &&
         std::fwrite(record.Body().data(), 1, record.Body().size(), f) == record.Body().size();
}

void EmfFile::Put(const EmfRecord& record) {
  if (!file_.IsOpen() || failed_) return;
  if (!Raw(record)) failed_ = true;
  bytes_ += record.Size();
  ++records_;
}

void EmfFile::Write(const EmfRecord& record) {
  Put(record);
}

EmfRecord EmfFile::Header(uint16_t handles) const {
  auto hundredthsMm = [this](int px) { return static_cast<int32_t>(px * 2540LL / dpi_); };
  auto mm = [this](int px) { return static_cast<int32_t>(px * 254LL / (10LL * dpi_)); };
  EmfRecord h(EmrHeader);
  h.I32(0).I32(0).I32(width_ - 1).I32(height_ - 1);                      // bounds in pixels
  h.I32(0).I32(0).I32(hundredthsMm(width_)).I32(hundredthsMm(height_));  // frame in 0.01 mm
  uint32_t bytes = bytes_ > std::numeric_limits<uint32_t>::max() ? 0 : static_cast<uint32_t>(bytes_);
  h.U32(EmfSignature).U32(0x10000).U32(bytes).U32(records_).U16(handles).U16(0);
  h.U32(kDescriptionChars).U32(EmfHeaderSize).U32(0);
  h.I32(width_).I32(height_).I32(mm(width_)).I32(mm(height_));  // the reference device
  h.U32(0).U32(0).U32(0);                                       // no pixel format, no OpenGL
  h.I32(static_cast<int32_t>(width_ * 25400LL / dpi_)).I32(static_cast<int32_t>(height_ * 25400LL / dpi_));
  h.Utf16(std::string(kDescription, kDescriptionChars), kDescriptionChars).Pad4();
  return h;
}

bool EmfFile::Finish(uint16_t handles) {
  Put(EmfRecord(EmrEof).U32(0).U32(16).U32(20));
  if (!file_.IsOpen() || failed_ || bytes_ > std::numeric_limits<uint32_t>::max()) return false;
  if (std::fseek(file_.Stream(), 0, SEEK_SET) != 0 || !Raw(Header(handles))) return false;
  return file_.Commit();
}

}  // namespace quill
