// Where a TIFF lives: a file on disk, a caller's memory stream edited in place, or a growing memory
// stream.  All offsets are those of the file; TIFF offsets are 32-bit, so nothing grows past 4 GB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "tiffio32.h"

namespace quill::tiff {

constexpr uint64_t kMaxTiffSize = 0xFFFFFFFFull;
constexpr size_t kIoPiece = 32768;  // files are read and written in pieces of at most this many bytes

class TiffIo {
 public:
  virtual ~TiffIo() = default;
  virtual uint64_t Size() const = 0;
  // Reads exactly n bytes at offset; false when they are not all there.
  virtual bool Read(uint64_t offset, void* out, size_t n) = 0;
  // Writes n bytes at offset, growing the target where it may; false when it cannot.
  virtual bool Write(uint64_t offset, const void* data, size_t n) = 0;
  // Cuts the target back to size bytes (undoing an unfinished append).
  virtual bool Truncate(uint64_t size) = 0;
  // The whole content when it is in memory (reads then need no copy), else null.
  virtual const uint8_t* Data() const { return nullptr; }
};

enum class FileMode { kRead, kEdit, kCreate };

// Opens the file (kCreate deletes any old one first); null when it cannot be opened.
std::unique_ptr<TiffIo> OpenFile(const std::string& path, FileMode mode);
// The caller's bytes; writable ones can be edited in place but never grow.
std::unique_ptr<TiffIo> WrapMemory(const uint8_t* data, uint32_t size);
std::unique_ptr<TiffIo> WrapMemory(uint8_t* data, uint32_t size);

// A memory stream that grows in steps of kStreamStep bytes (GlobalReAlloc).  A null *stream makes a new
// zero-filled block.  Publish() hands the block back through the caller's pointer and size.
class StreamIo : public TiffIo {
 public:
  static constexpr size_t kStreamStep = 262144;
  // Null when the block cannot be had or the caller's pointer is not a block of this library.
  static std::unique_ptr<StreamIo> Open(uint8_t* stream, uint32_t size);
  ~StreamIo() override;

  uint64_t Size() const override { return used_; }
  bool Read(uint64_t offset, void* out, size_t n) override;
  bool Write(uint64_t offset, const void* data, size_t n) override;
  bool Truncate(uint64_t size) override;
  const uint8_t* Data() const override { return bytes_; }

  // Hands the block to the caller: *stream its locked address, *size the bytes in use.
  void Publish(uint8_t** stream, uint32_t* size);

 private:
  StreamIo(HGLOBAL block, uint32_t used, bool owned);
  HGLOBAL block_;
  uint8_t* bytes_;
  uint64_t used_;
  bool owned_;  // made here: freed unless published
};

}  // namespace quill::tiff
