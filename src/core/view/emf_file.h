// Writing an enhanced metafile record by record: the header goes first as a placeholder and is filled
// in when the file is finished, so records stream to disk and memory stays flat whatever the picture.
// (libEMF, the usual GDI-free writer, keeps every record in memory until the file is closed: about
// 78 MB for a million moves and lines, where a tool path picture can hold many millions.)
#pragma once

#include <cstdint>
#include <string>

#include "records/atomic_file.h"

namespace quill {

// Record types of the metafile format used by the view.
enum EmfRecordType : uint32_t {
  EmrHeader = 1,
  EmrEof = 14,
  EmrSetMapMode = 17,
  EmrSetBkMode = 18,
  EmrSetRop2 = 20,
  EmrSetTextAlign = 22,
  EmrSetTextColor = 24,
  EmrSetBkColor = 25,
  EmrMoveToEx = 27,
  EmrIntersectClipRect = 30,
  EmrSelectObject = 37,
  EmrCreatePen = 38,
  EmrCreateBrushIndirect = 39,
  EmrDeleteObject = 40,
  EmrRectangle = 43,
  EmrLineTo = 54,
  EmrSelectClipRgn = 67,
  EmrExtCreateFontIndirectW = 82,
  EmrExtTextOutW = 84,
};

inline constexpr uint32_t EmfSignature = 0x464D4520;  // " EMF"
inline constexpr uint32_t EmfHeaderSize = 108;

// One record's parameters, little-endian, built before it is written.
class EmfRecord {
 public:
  explicit EmfRecord(uint32_t type) : type_(type) {}
  EmfRecord& U32(uint32_t v);
  EmfRecord& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
  EmfRecord& U16(uint16_t v);
  EmfRecord& U8(uint8_t v);
  // Text as 16-bit characters (each byte taken as its Latin-1 character), padded with zeros to count.
  EmfRecord& Utf16(const std::string& text, size_t count);
  EmfRecord& Pad4();
  uint32_t Type() const { return type_; }
  size_t Size() const { return 8 + body_.size(); }
  const std::string& Body() const { return body_; }

 private:
  uint32_t type_;
  std::string body_;
};

class EmfFile {
 public:
  // The picture is width x height pixels at dpi pixels per inch.
  EmfFile(const std::string& path, int width, int height, int dpi);
  bool IsOpen() const { return file_.IsOpen(); }
  void Write(const EmfRecord& record);
  // Writes the end record, fills in the header and puts the file in place; false on any failure (an
  // older file of that name is then left as it was).
  bool Finish(uint16_t handles);

 private:
  EmfRecord Header(uint16_t handles) const;
  void Put(const EmfRecord& record);
  bool Raw(const EmfRecord& record);

  AtomicFile file_;
  int width_, height_, dpi_;
  uint64_t bytes_ = 0;
  uint32_t records_ = 0;
  bool failed_ = false;
};

}  // namespace quill
